#pragma once

#include <QObject>
#include <QStringList>

#include <trfunctions.h>

// One channel's line of the direct-command view: relay state, mode, operating hours, service
// interval and, on twilight models, the lowest lux value of its sensors, with their texts.
class DirectCommandInfo : public QObject, private TrFunctions {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(int channel READ channel CONSTANT)
    Q_PROPERTY(int state READ state WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(int mode READ mode WRITE setMode NOTIFY modeChanged)
    Q_PROPERTY(int operatingTime READ operatingTime WRITE setOperatingTime NOTIFY operatingTimeChanged)
    Q_PROPERTY(int serviceTime READ serviceTime WRITE setServiceTime NOTIFY serviceTimeChanged)
    Q_PROPERTY(int luxValue READ luxValue NOTIFY luxValueChanged)
    Q_PROPERTY(QStringList formattedInfo READ formattedInfo NOTIFY formattedInfoChanged)
    Q_PROPERTY(bool showOperatingTimeInRed READ showOperatingTimeInRed NOTIFY showOperatingTimeInRedChanged)

public:
    static constexpr int NotRead = -1;
    // The lux value of a channel without an assigned sensor.
    static constexpr int NoLux = 999999999;

    DirectCommandInfo(int channel, int state, int mode, bool showLux, QObject* parent = nullptr);

    int channel() const { return m_channel; }
    int state() const { return m_state; }
    int mode() const { return m_mode; }
    int operatingTime() const { return m_operatingTime; }
    int serviceTime() const { return m_serviceTime; }
    int luxValue() const { return m_luxValue; }
    QStringList formattedInfo() const { return m_formattedInfo; }
    bool showOperatingTimeInRed() const { return m_red; }

    // The text of a channel mode; "-" for none.
    static QString modeText(int mode);

public slots:
    void setState(int state);
    void setMode(int mode);
    void setOperatingTime(int hours);
    void setServiceTime(int hours);
    void setLuxValue(int lux);

signals:
    void stateChanged(int state);
    void modeChanged(int mode);
    void operatingTimeChanged(int operatingTime);
    void serviceTimeChanged(int serviceTime);
    void luxValueChanged(int luxValue);
    void formattedInfoChanged(const QStringList& formattedInfo);
    void showOperatingTimeInRedChanged(bool showOperatingTimeInRed);

private:
    void updateRed();
    void rebuild();

    int m_channel;
    int m_state;
    int m_mode;
    bool m_showLux;
    int m_operatingTime = NotRead;
    int m_serviceTime = NotRead;
    int m_luxValue = NoLux;
    bool m_red = false;
    QStringList m_formattedInfo;
};
