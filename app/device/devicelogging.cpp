#include "devicelogging.h"

Q_LOGGING_CATEGORY(deviceLog, "tarvino.device")
