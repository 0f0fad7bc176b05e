#pragma once

#include <QString>

namespace functest {

class StepBuilder;

// One step of a functional test: its number, its outcome and the tester's notes. Made through
// Step::create (include functest/stepbuilder.h).
class Step {
public:
    // Fixed to int, so a value from elsewhere outside the three is still a value ("unknown").
    enum Result : int { Passed = 0, Failed = 1, Blocked = 2 };

    static StepBuilder create(const QString& number);

    QString number() const { return m_number; }
    QString notes() const { return m_notes; }
    Result result() const { return m_result; }
    // "p", "f" or "b"; "unknown" for a value outside the enumeration.
    QString resultString() const;

private:
    friend class StepBuilder;
    explicit Step(const QString& number);

    // A step nobody judged has not passed.
    Result m_result = Blocked;
    QString m_number;
    QString m_notes;
};

} // namespace functest
