#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(coreAppLog)
Q_DECLARE_LOGGING_CATEGORY(coreSettingsLog)
Q_DECLARE_LOGGING_CATEGORY(coreLanguageLog)
