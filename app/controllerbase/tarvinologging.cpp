#include "tarvinologging.h"

Q_LOGGING_CATEGORY(tarvinoLog, "tarvino")
