#include "functest/vestrunlogging.h"

namespace functest {

Q_LOGGING_CATEGORY(vestrunLog, "orvi.func.test")

} // namespace functest
