#include "deviceslogging.h"

namespace devices {
Q_LOGGING_CATEGORY(devicesLog, "devices")
}
