#include "devicesimlogging.h"

namespace devicesim {
Q_LOGGING_CATEGORY(devicesimLog, "devicesim")
}
