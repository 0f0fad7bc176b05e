#include "reportlogging.h"

Q_LOGGING_CATEGORY(reportLog, "tarvino.report")
