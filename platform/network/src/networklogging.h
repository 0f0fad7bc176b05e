#pragma once

#include <QLoggingCategory>

namespace network {
Q_DECLARE_LOGGING_CATEGORY(networkLog)
}
