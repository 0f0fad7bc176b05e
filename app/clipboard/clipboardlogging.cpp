#include "clipboardlogging.h"

Q_LOGGING_CATEGORY(clipboardLog, "tarvino.clipboard")
