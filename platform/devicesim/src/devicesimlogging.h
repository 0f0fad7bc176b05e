#pragma once

#include <QLoggingCategory>

namespace devicesim {
Q_DECLARE_LOGGING_CATEGORY(devicesimLog)
}
