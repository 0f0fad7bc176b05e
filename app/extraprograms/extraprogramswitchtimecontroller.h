#pragma once

#include <storage/switchtime.h>

#include <QDateTime>
#include <QList>
#include <QObject>

class ExtraProgramViewController;

// The on/off pairs of an extra program (program 1 and program 2) as editable properties. A plain
// channel of a plain project has four single instants (on and off of each program); an astronomic
// channel or a twilight project has two entries, each with a start and an end. Stored times are
// seconds of the day; 86400 marks an instant that is not used.
class ExtraProgramSwitchTimeController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isActiveOnProg1 READ isActiveOnProg1 WRITE setIsActiveOnProg1 NOTIFY isActiveOnProg1Changed)
    Q_PROPERTY(bool isActiveOffProg1 READ isActiveOffProg1 WRITE setIsActiveOffProg1 NOTIFY isActiveOffProg1Changed)
    Q_PROPERTY(bool isActiveOnProg2 READ isActiveOnProg2 WRITE setIsActiveOnProg2 NOTIFY isActiveOnProg2Changed)
    Q_PROPERTY(bool isActiveOffProg2 READ isActiveOffProg2 WRITE setIsActiveOffProg2 NOTIFY isActiveOffProg2Changed)
    Q_PROPERTY(QDateTime onTimeProg1 READ onTimeProg1 WRITE setOnTimeProg1 NOTIFY onTimeProg1Changed)
    Q_PROPERTY(QDateTime offTimeProg1 READ offTimeProg1 WRITE setOffTimeProg1 NOTIFY offTimeProg1Changed)
    Q_PROPERTY(QDateTime onTimeProg2 READ onTimeProg2 WRITE setOnTimeProg2 NOTIFY onTimeProg2Changed)
    Q_PROPERTY(QDateTime offTimeProg2 READ offTimeProg2 WRITE setOffTimeProg2 NOTIFY offTimeProg2Changed)
    Q_PROPERTY(int luxValueOn READ luxValueOn WRITE setLuxValueOn NOTIFY luxValueOnChanged)
    Q_PROPERTY(int luxValueOff READ luxValueOff WRITE setLuxValueOff NOTIFY luxValueOffChanged)
    Q_PROPERTY(bool onSunset READ onSunset WRITE setOnSunset NOTIFY onSunsetChanged)
    Q_PROPERTY(bool isAstro READ isAstro NOTIFY modeChanged)
    Q_PROPERTY(bool isNocta READ isNocta NOTIFY modeChanged)

public:
    static constexpr int Unused = storage::SwitchTime::SecondsPerDay;

    explicit ExtraProgramSwitchTimeController(ExtraProgramViewController* parent);

    bool isActiveOnProg1() const { return m_active[OnProg1]; }
    bool isActiveOffProg1() const { return m_active[OffProg1]; }
    bool isActiveOnProg2() const { return m_active[OnProg2]; }
    bool isActiveOffProg2() const { return m_active[OffProg2]; }
    QDateTime onTimeProg1() const { return m_times[OnProg1]; }
    QDateTime offTimeProg1() const { return m_times[OffProg1]; }
    QDateTime onTimeProg2() const { return m_times[OnProg2]; }
    QDateTime offTimeProg2() const { return m_times[OffProg2]; }
    int luxValueOn() const { return m_luxValueOn; }
    int luxValueOff() const { return m_luxValueOff; }
    bool onSunset() const { return m_onSunset; }
    bool isAstro() const { return m_isAstro; }
    bool isNocta() const { return m_isNocta; }

    // Reads the stored program again (the view controller calls it when it reloads).
    void load();
    // None of the four instants is used.
    bool isEmpty() const;

public slots:
    void setIsActiveOnProg1(bool active) { setActive(OnProg1, active); }
    void setIsActiveOffProg1(bool active) { setActive(OffProg1, active); }
    void setIsActiveOnProg2(bool active) { setActive(OnProg2, active); }
    void setIsActiveOffProg2(bool active) { setActive(OffProg2, active); }
    void setOnTimeProg1(const QDateTime& time) { setTime(OnProg1, time); }
    void setOffTimeProg1(const QDateTime& time) { setTime(OffProg1, time); }
    void setOnTimeProg2(const QDateTime& time) { setTime(OnProg2, time); }
    void setOffTimeProg2(const QDateTime& time) { setTime(OffProg2, time); }
    void setLuxValueOn(int lux);
    void setLuxValueOff(int lux);
    void setOnSunset(bool onSunset);
    void saveModifications();

signals:
    void isActiveOnProg1Changed();
    void isActiveOffProg1Changed();
    void isActiveOnProg2Changed();
    void isActiveOffProg2Changed();
    void onTimeProg1Changed();
    void offTimeProg1Changed();
    void onTimeProg2Changed();
    void offTimeProg2Changed();
    void luxValueOnChanged();
    void luxValueOffChanged();
    void onSunsetChanged();
    void modeChanged();
    void extraProgramSwitchTimeCountChanged();

private slots:
    void updateSunset(int astroMode);

private:
    // The four instants, in their stored order in plain mode.
    enum Instant { OnProg1 = 0, OffProg1 = 1, OnProg2 = 2, OffProg2 = 3, InstantCount = 4 };

    bool isPlainMode() const { return !m_isAstro && !m_isNocta; }
    void readMode();
    void readSwitch(int position, const storage::SwitchTime& switchTime);
    void readInstant(Instant instant, int seconds);
    QList<storage::SwitchTime> plainSwitches() const;
    QList<storage::SwitchTime> astroSwitches() const;
    int storedTime(Instant instant) const;
    void setActive(Instant instant, bool active);
    void setTime(Instant instant, const QDateTime& time);
    void emitActiveChanged(Instant instant);
    void emitTimeChanged(Instant instant);

    ExtraProgramViewController* m_viewController;
    bool m_active[InstantCount] = {true, true, true, true};
    QDateTime m_times[InstantCount];
    int m_luxValueOn;
    int m_luxValueOff;
    bool m_onSunset = true;
    bool m_isAstro = false;
    bool m_isNocta = false;
};
