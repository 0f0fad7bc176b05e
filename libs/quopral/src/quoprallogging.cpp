#include "quoprallogging.h"

namespace quopral {
Q_LOGGING_CATEGORY(quopralLog, "quopral")
}
