#pragma once

#include <QLoggingCategory>

namespace serial {
Q_DECLARE_LOGGING_CATEGORY(serialLog)
}
