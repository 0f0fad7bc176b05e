#pragma once

#include <QLoggingCategory>

namespace ble {
Q_DECLARE_LOGGING_CATEGORY(bleLog)
}
