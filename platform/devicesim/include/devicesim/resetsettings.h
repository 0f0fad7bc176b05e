#pragma once

#include <QByteArray>
#include <QDate>
#include <QtGlobal>

namespace devicesim {

// What a simulated time switch asks for after a reset (docs/device-protocol.md, "Reset mode"):
// its transmission status, its date and time formats and its summer/winter rule, in the layout of
// its clock kind. Writing the status "ready" ends the reset mode.
class ResetSettings {
public:
    static constexpr int ResetStatus = 0;
    static constexpr int ReadyStatus = 3;

    // One change of the clock; weeks, months and weekdays from 0, whole hours.
    struct Change {
        int week = 0;
        int month = 0;
        int weekDay = 0;
        int hour = 0;
        QDate date;
        bool operator==(const Change&) const = default;
    };

    struct SoWiRule {
        int rule = 0;
        Change wiSo;
        Change soWi;
        int customWiSo = 0;
        int customSoWi = 0;
        bool operator==(const SoWiRule&) const = default;
    };

    // internalClock: the model has the internal Bluetooth LE module and its clock, which keeps
    // every field of the rule.
    explicit ResetSettings(bool internalClock = false);

    static bool handles(quint8 code);
    // The reply to a request of one of the codes handled.
    QByteArray handle(quint8 code, const QByteArray& payload);

    bool isInResetMode() const { return m_resetMode; }
    void setResetMode(bool on) { m_resetMode = on; }
    int dateFormat() const { return m_dateFormat; }
    int timeFormat() const { return m_timeFormat; }
    void setFormats(int dateFormat, int timeFormat);
    SoWiRule soWiRule() const { return m_rule; }
    void setSoWiRule(const SoWiRule& rule) { m_rule = rule; }

private:
    QByteArray writeStatus(const QByteArray& payload);
    QByteArray writeFormats(const QByteArray& payload);
    QByteArray ruleBytes() const;
    QByteArray writeRule(const QByteArray& payload);
    bool readFullRule(const QByteArray& payload, SoWiRule& rule) const;
    bool readShortRule(const QByteArray& payload, SoWiRule& rule) const;
    static bool isValid(const SoWiRule& rule);

    bool m_internalClock;
    bool m_resetMode = false;
    int m_dateFormat = 0;
    int m_timeFormat = 0;
    SoWiRule m_rule;
};

} // namespace devicesim
