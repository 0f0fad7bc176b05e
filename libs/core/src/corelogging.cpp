#include "corelogging.h"

Q_LOGGING_CATEGORY(coreAppLog, "orvi.core")
Q_LOGGING_CATEGORY(coreSettingsLog, "core.settings")
Q_LOGGING_CATEGORY(coreLanguageLog, "core.language")
