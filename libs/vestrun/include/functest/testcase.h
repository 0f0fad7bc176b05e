#pragma once

#include "functest/step.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace functest {

class TestCaseBuilder;

// One test case: its external identifier, the caller's result text, notes, tester, bug id,
// when it ran and its steps in order. Made through TestCase::create (include
// functest/testcasebuilder.h).
class TestCase {
public:
    static TestCaseBuilder create(const QString& id);

    QString id() const { return m_id; }
    QString result() const { return m_result; }
    QString notes() const { return m_notes; }
    QString tester() const { return m_tester; }
    QString bugId() const { return m_bugId; }
    QDateTime timestamp() const { return m_timestamp; }
    QList<Step> steps() const { return m_steps; }

    void addStep(const Step& step);

private:
    friend class TestCaseBuilder;
    explicit TestCase(const QString& id);

    QString m_id;
    QString m_result;
    QString m_notes;
    QString m_tester;
    QString m_bugId;
    QDateTime m_timestamp;
    QList<Step> m_steps;
};

} // namespace functest
