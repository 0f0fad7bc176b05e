#include "updatelogging.h"

Q_LOGGING_CATEGORY(updateLog, "tarvino.update")
