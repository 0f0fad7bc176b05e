#include "switchprogramlogging.h"

Q_LOGGING_CATEGORY(switchProgramLog, "tarvino.switchprogram")
