#pragma once

#include <QJsonArray>
#include <QJsonObject>

// The switch times of a clipboard document ("switches") as the paste reads them, and where a
// paste puts them: moved by whole days and minutes from where they were copied to where they go.
class SwitchClipboard {
public:
    static constexpr int SwitchKind = 0;
    static constexpr int FixSwitchKind = 3;

    // One item, with the defaults for missing members.
    struct Item {
        int type = 0;
        int state = 0;
        int startTime = 0;
        int endTime = 0;
        int startDays = 0;
        int endDay = -1;
        int pulsTime = 0;
        int pauseTime = 0;
    };

    // How far a paste moves the items; keep: they stay on their days and times.
    struct Shift {
        bool keep = false;
        int days = 0;
        int seconds = 0;
    };

    static Item read(const QJsonObject& item);
    // The document's origin against the target (a grid row and minute, fromTime -1 for a paste
    // that keeps days and times); rows count from the first day of the week.
    static Shift shiftOf(const QJsonObject& document, int fromDay, int fromTime, int firstDayOfWeek);
    // Start days reduced to the seven weekday bits; an endless end day stays endless and a
    // negative one stays as it is.
    static Item moved(Item item, const Shift& shift);
    // SwitchKind or FixSwitchKind by the first object of the list; -1 when it holds none.
    static int kindOf(const QJsonArray& switches);
};
