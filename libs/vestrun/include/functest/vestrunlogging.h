#pragma once

#include <QLoggingCategory>

namespace functest {

// The library's category "orvi.func.test", made on first use.
Q_DECLARE_LOGGING_CATEGORY(vestrunLog)

} // namespace functest
