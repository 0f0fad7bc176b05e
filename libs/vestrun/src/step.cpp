#include "functest/step.h"

#include "functest/stepbuilder.h"

namespace functest {

Step::Step(const QString& number)
    : m_number(number) {
}

StepBuilder Step::create(const QString& number) {
    return StepBuilder(number);
}

QString Step::resultString() const {
    switch (m_result) {
    case Passed:
        return QStringLiteral("p");
    case Failed:
        return QStringLiteral("f");
    case Blocked:
        return QStringLiteral("b");
    }
    return QStringLiteral("unknown");
}

} // namespace functest
