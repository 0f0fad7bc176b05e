#include "extraprogramslogging.h"

Q_LOGGING_CATEGORY(extraProgramsLog, "tarvino.extraprograms")
