#include "holidayslogging.h"

Q_LOGGING_CATEGORY(holidaysLog, "holidays")
