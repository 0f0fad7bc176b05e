#include "directcommandinfo.h"

#include <QCoreApplication>

namespace {

QString number(int value)
{
    return value == DirectCommandInfo::NotRead ? QStringLiteral("-") : QString::number(value);
}

} // namespace

DirectCommandInfo::DirectCommandInfo(int channel, int state, int mode, bool showLux, QObject* parent)
    : QObject(parent)
    , m_channel(channel)
    , m_state(state)
    , m_mode(mode)
    , m_showLux(showLux)
{
    rebuild();
}

QString DirectCommandInfo::modeText(int mode)
{
    switch (mode) {
    case 0:
        return QCoreApplication::translate("Direct commands", "Auto", "Mode of the channel");
    case 1:
        return QCoreApplication::translate("Generic", "Zufall 2");
    case 2:
        return QCoreApplication::translate("Generic", "Zufall 1");
    case 3:
        return QCoreApplication::translate("Direct commands", "Impuls", "Mode of the channel");
    case 4:
        return QCoreApplication::translate("Direct commands", "Zyklus", "Mode of the channel");
    case 5:
        return QCoreApplication::translate("Direct commands", "Timer", "Mode of the channel");
    case 6:
        return QCoreApplication::translate("Direct commands", "Ferien", "Mode of the channel");
    case 7:
        return QCoreApplication::translate("Direct commands", "Handschaltung", "Mode of the channel");
    case 8:
        return QCoreApplication::translate("Direct commands", "Dauer", "Mode of the channel");
    case 9:
        return QCoreApplication::translate("Direct commands", "Dauer (extern)", "Mode of the channel");
    case 10:
        return QCoreApplication::translate("Astro settings", "Astro", "Tab title");
    case 11:
        return QCoreApplication::translate("Direct commands", "Externer Treppenlichtzeitautomat aktiv", "Mode of the channel");
    case 12:
        return QCoreApplication::translate("Direct commands", "Kanalverriegelung", "Mode of the channel");
    case 13:
        return QCoreApplication::translate("Generic", "Lux");
    default:
        return QStringLiteral("-");
    }
}

void DirectCommandInfo::setState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
    rebuild();
}

void DirectCommandInfo::setMode(int mode)
{
    if (m_mode == mode)
        return;
    m_mode = mode;
    emit modeChanged(mode);
    rebuild();
}

void DirectCommandInfo::setOperatingTime(int hours)
{
    if (m_operatingTime == hours)
        return;
    m_operatingTime = hours;
    updateRed();
    emit operatingTimeChanged(hours);
    rebuild();
}

void DirectCommandInfo::setServiceTime(int hours)
{
    if (m_serviceTime == hours)
        return;
    m_serviceTime = hours;
    updateRed();
    emit serviceTimeChanged(hours);
    rebuild();
}

void DirectCommandInfo::setLuxValue(int lux)
{
    if (m_luxValue == lux)
        return;
    m_luxValue = lux;
    emit luxValueChanged(lux);
    rebuild();
}

void DirectCommandInfo::updateRed()
{
    // An interval not yet read is no reason for alarm.
    const bool red = m_serviceTime != NotRead && m_operatingTime > m_serviceTime;
    if (red == m_red)
        return;
    m_red = red;
    emit showOperatingTimeInRedChanged(red);
}

void DirectCommandInfo::rebuild()
{
    QString state = QStringLiteral("-");
    if (m_state != NotRead)
        state = m_state == 0 ? QCoreApplication::translate("Generic", "Aus") : QCoreApplication::translate("Generic", "Ein");
    m_formattedInfo = {QStringLiteral("C%1").arg(m_channel), state, modeText(m_mode), number(m_operatingTime),
                       number(m_serviceTime)};
    if (m_showLux)
        m_formattedInfo.append(m_luxValue == NoLux ? QStringLiteral("-") : QStringLiteral("%1 lx").arg(m_luxValue));
    emit formattedInfoChanged(m_formattedInfo);
}
