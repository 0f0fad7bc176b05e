#include "storagelogging.h"

Q_LOGGING_CATEGORY(storageLog, "tarvino.storage")
