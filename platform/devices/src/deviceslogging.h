#pragma once

#include <QLoggingCategory>

namespace devices {
Q_DECLARE_LOGGING_CATEGORY(devicesLog)
}
