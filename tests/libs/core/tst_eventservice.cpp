#include <QMouseEvent>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTouchEvent>
#include <QTest>
#include <QWindow>

#include <core/eventservice.h>

using core::EventService;

namespace {

// Counts the presses and touches that get through to it.
class CountingWindow : public QWindow {
public:
    CountingWindow() { setGeometry(50, 60, 400, 300); }

    int touches = 0;
    int mousePresses = 0;

protected:
    void touchEvent(QTouchEvent* event) override
    {
        ++touches;
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        ++mousePresses;
        event->accept();
    }
};

// Touch points as the window system reports them: the application maps their screen
// positions into the window, so the watched window gets them at fractional window positions.
void touch(QWindow* window, const QPointingDevice* device, QEventPoint::State state, const QList<QPointF>& positions)
{
    QList<QEventPoint> points;
    for (const QPointF& position : positions)
        points.append(QEventPoint(int(points.size()), state, position, window->mapToGlobal(position)));
    QVERIFY(qt_handleTouchEventv2(window, device, points));
}

// A service watching one window, with the reports it makes.
struct WatchedWindow {
    WatchedWindow() { service.listenTo(&window); }

    QPoint report(qsizetype index) const
    {
        return QPoint(pressed.at(index).at(0).toInt(), pressed.at(index).at(1).toInt());
    }

    EventService service;
    CountingWindow window;
    QSignalSpy pressed{&service, &EventService::mousePressed};
};

} // namespace

class TestEventService : public QObject {
    Q_OBJECT

private:
    QPointingDevice* m_touchScreen = nullptr;

    void sendMouse(QObject* receiver, QEvent::Type type, const QPointF& position)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, position, position, Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &event);
    }

private slots:
    void initTestCase() { m_touchScreen = QTest::createTouchDevice(); }

    void touchBeginReportsTruncatedPositionAndReachesReceiver_data()
    {
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("reported");
        QTest::newRow("fractions") << QPointF(10.7, 20.2) << QPoint(10, 20);
        QTest::newRow("whole numbers") << QPointF(3, 4) << QPoint(3, 4);
        QTest::newRow("negative fractions truncate toward zero") << QPointF(-0.9, -5.5) << QPoint(0, -5);
    }

    void touchBeginReportsTruncatedPositionAndReachesReceiver()
    {
        QFETCH(QPointF, position);
        QFETCH(QPoint, reported);
        WatchedWindow watched;
        watched.window.show();

        touch(&watched.window, m_touchScreen, QEventPoint::State::Pressed, {position});

        QCOMPARE(watched.pressed.count(), 1);
        QCOMPARE(watched.report(0), reported);
        QCOMPARE(watched.window.touches, 1);
    }

    void touchWithTwoPointsReportsTheFirst()
    {
        WatchedWindow watched;
        watched.window.show();

        touch(&watched.window, m_touchScreen, QEventPoint::State::Pressed, {QPointF(1.5, 2.5), QPointF(100.5, 200.5)});

        QCOMPARE(watched.pressed.count(), 1);
        QCOMPARE(watched.report(0), QPoint(1, 2));
    }

    void mousePressReportsRoundedPositionAndReachesReceiver_data()
    {
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("reported");
        QTest::newRow("rounds up") << QPointF(10.7, 20.5) << QPoint(11, 21);
        QTest::newRow("rounds down") << QPointF(10.2, 20.4) << QPoint(10, 20);
    }

    void mousePressReportsRoundedPositionAndReachesReceiver()
    {
        QFETCH(QPointF, position);
        QFETCH(QPoint, reported);
        WatchedWindow watched;

        sendMouse(&watched.window, QEvent::MouseButtonPress, position);

        QCOMPARE(watched.pressed.count(), 1);
        QCOMPARE(watched.report(0), reported);
        QCOMPARE(watched.window.mousePresses, 1);
    }

    void onlyTheStartOfATouchIsReported()
    {
        WatchedWindow watched;
        watched.window.show();

        touch(&watched.window, m_touchScreen, QEventPoint::State::Pressed, {QPointF(3, 3)});
        touch(&watched.window, m_touchScreen, QEventPoint::State::Updated, {QPointF(4, 4)});
        touch(&watched.window, m_touchScreen, QEventPoint::State::Released, {QPointF(4, 4)});

        QCOMPARE(watched.window.touches, 3);
        QCOMPARE(watched.pressed.count(), 1);
    }

    void mouseReleaseMoveAndDoubleClickReportNothing()
    {
        WatchedWindow watched;

        sendMouse(&watched.window, QEvent::MouseButtonRelease, QPointF(1, 1));
        sendMouse(&watched.window, QEvent::MouseMove, QPointF(2, 2));
        sendMouse(&watched.window, QEvent::MouseButtonDblClick, QPointF(2, 2));

        QCOMPARE(watched.pressed.count(), 0);
    }

    void watchesSeveralObjects()
    {
        WatchedWindow watched;
        CountingWindow second;
        watched.service.listenTo(&second);

        sendMouse(&watched.window, QEvent::MouseButtonPress, QPointF(1, 1));
        sendMouse(&second, QEvent::MouseButtonPress, QPointF(2, 2));

        QCOMPARE(watched.pressed.count(), 2);
        QCOMPARE(watched.report(1), QPoint(2, 2));
    }

    void unwatchedObjectReportsNothing()
    {
        EventService service;
        CountingWindow window;
        service.listenTo(nullptr);
        QSignalSpy pressed(&service, &EventService::mousePressed);

        sendMouse(&window, QEvent::MouseButtonPress, QPointF(1, 1));

        QCOMPARE(pressed.count(), 0);
        QCOMPARE(window.mousePresses, 1);
    }
};

QTEST_MAIN(TestEventService)
#include "tst_eventservice.moc"
