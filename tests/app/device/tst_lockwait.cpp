#include "lockwait.h"

#include <QTest>

class TestLockWait : public QObject {
    Q_OBJECT

private slots:
    void theWaitIsSplitIntoHoursMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        const QString code = QStringLiteral("Das Gerät ist aufgrund eines falschen Verbindungscodes verriegelt, ");
        const QString pin = QStringLiteral("Das Gerät ist aufgrund eines falschen PIN-Codes verriegelt, ");
        QTest::newRow("hours") << 1 << qint64(3725000) << code + QStringLiteral("Sie müssen 1 h 2 min 5 s warten");
        QTest::newRow("a part second rounds up") << 1 << qint64(59001) << code + QStringLiteral("Sie müssen 0 h 1 min 0 s warten");
        QTest::newRow("last millisecond") << 2 << qint64(1) << pin + QStringLiteral("Sie müssen 0 h 0 min 1 s warten");
        QTest::newRow("a day") << 2 << qint64(90061000) << pin + QStringLiteral("Sie müssen 25 h 1 min 1 s warten");
        QTest::newRow("other status") << 5 << qint64(10000)
                                      << QStringLiteral("Das Gerät ist locked, Sie müssen 0 h 0 min 10 s warten");
        QTest::newRow("over") << 1 << qint64(0) << QString();
        QTest::newRow("long over") << 2 << qint64(-5000) << QString();
    }
    void theWaitIsSplitIntoHoursMinutesAndSeconds()
    {
        QFETCH(int, status);
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        const QDateTime now(QDate(2026, 12, 10), QTime(13, 0), Qt::UTC);
        QCOMPARE(LockWait::text(status, now.addMSecs(milliseconds), now), text);
    }

    void thePinTextHasNoReason()
    {
        const QDateTime now(QDate(2026, 12, 10), QTime(23, 59, 59), Qt::UTC);
        QCOMPARE(LockWait::pinText(now.addSecs(61), now),
                 QStringLiteral("Das Gerät ist verriegelt, Sie müssen 0 h 1 min 1 s warten"));
        QCOMPARE(LockWait::pinText(now, now), QString());
        QCOMPARE(LockWait::remainingSeconds(now.addMSecs(1500), now), 2);
    }
};

QTEST_MAIN(TestLockWait)
#include "tst_lockwait.moc"
