#pragma once

#include <QDateTime>
#include <QString>

// The texts of a locked device: what locked it and how long the user still waits, in whole hours,
// minutes within the hour and seconds within the minute (seconds rounded up). No text once the
// wait is over.
class LockWait {
public:
    LockWait() = delete;

    // Whole seconds from now to the unlock time, rounded up; 0 once it has passed.
    static qint64 remainingSeconds(const QDateTime& unlockTime, const QDateTime& now);
    // status 1: wrong connection codes, 2: wrong PINs (the connection view's lock text).
    static QString text(int status, const QDateTime& unlockTime, const QDateTime& now);
    // The PIN view's lock text.
    static QString pinText(const QDateTime& unlockTime, const QDateTime& now);
};
