#include "blelogging.h"

namespace ble {
Q_LOGGING_CATEGORY(bleLog, "ble")
}
