#pragma once

#include <QLoggingCategory>

namespace quopral {
Q_DECLARE_LOGGING_CATEGORY(quopralLog)
}
