#pragma once

#include "seasonrulerowcontroller.h"

#include <sowirule.h>

#include <QObject>

// A summer/winter time rule for the views: its rule number and its two switches, from winter to
// summer time (wiSoRule) and back (soWiRule). It starts as the European rule: the clocks go from
// 2h to 3h on the last Sunday of March and from 3h back to 2h on the last Sunday of October
// (hour index 2 in both hour lists).
class SeasonRuleController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ruleType READ ruleType WRITE setRuleType NOTIFY ruleTypeChanged)
    Q_PROPERTY(SeasonRuleRowController* wiSoRule READ wiSoRule CONSTANT)
    Q_PROPERTY(SeasonRuleRowController* soWiRule READ soWiRule CONSTANT)

public:
    explicit SeasonRuleController(QObject* parent = nullptr);

    int ruleType() const { return m_ruleType; }
    SeasonRuleRowController* wiSoRule() const { return m_wiSoRule; }
    SeasonRuleRowController* soWiRule() const { return m_soWiRule; }

signals:
    void ruleTypeChanged(int ruleType);

public slots:
    // One of the rule numbers of SoWiRules::SoWiRule; others are refused.
    void setRuleType(int ruleType);

private:
    int m_ruleType = SoWiRules::EUROPE;
    SeasonRuleRowController* m_wiSoRule;
    SeasonRuleRowController* m_soWiRule;
};
