#include "seriallogging.h"

namespace serial {
Q_LOGGING_CATEGORY(serialLog, "serial")
}
