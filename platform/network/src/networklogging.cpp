#include "networklogging.h"

namespace network {
Q_LOGGING_CATEGORY(networkLog, "tarvino.network")
}
