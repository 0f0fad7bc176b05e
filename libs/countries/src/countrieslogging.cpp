#include "countrieslogging.h"

Q_LOGGING_CATEGORY(countriesLog, "countries")
