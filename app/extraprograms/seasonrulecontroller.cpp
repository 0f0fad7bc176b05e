#include "seasonrulecontroller.h"

#include "extraprogramslogging.h"

#include <utils/helpers.h>

#include <QMetaEnum>

namespace {
constexpr int Sunday = 6;
constexpr int SwitchHour = 2;
} // namespace

SeasonRuleController::SeasonRuleController(QObject* parent)
    : QObject(parent)
    , m_wiSoRule(new SeasonRuleRowController(utils::Helpers::LastWeek, 3, SwitchHour, Sunday,
                                             QDate(2008, 3, 30), this))
    , m_soWiRule(new SeasonRuleRowController(utils::Helpers::LastWeek, 10, SwitchHour, Sunday,
                                             QDate(2008, 10, 26), this)) {
}

void SeasonRuleController::setRuleType(int ruleType) {
    if (ruleType == m_ruleType)
        return;
    if (!QMetaEnum::fromType<SoWiRules::SoWiRule>().valueToKey(ruleType)) {
        qCWarning(extraProgramsLog) << ">> Refused summer/winter rule" << ruleType;
        return;
    }
    m_ruleType = ruleType;
    emit ruleTypeChanged(ruleType);
}
