#include "undologging.h"

Q_LOGGING_CATEGORY(undoLog, "tarvino.undo")
