#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "basecontroller.h"
#include "maincontroller.h"

namespace {

// A view controller that counts its load hook.
class LoadingController : public BaseController {
public:
    using BaseController::BaseController;
    void start() { QVERIFY(QMetaObject::invokeMethod(this, "loadingStart")); }
    void end() { QVERIFY(QMetaObject::invokeMethod(this, "loadingEnd")); }
    int loads = 0;

protected:
    void onLoaded() override { ++loads; }
};

} // namespace

class TestReadyTracking : public QObject {
    Q_OBJECT

private slots:
    void init() { main = std::make_unique<MainController>(); }
    void cleanup() { main.reset(); }

    void readyUntilAControllerLoads()
    {
        QVERIFY(main->isReady());
        LoadingController controller;
        QSignalSpy mainReady(main.get(), &MainController::readyChanged);
        QSignalSpy ownReady(&controller, &BaseController::readyChanged);
        controller.start();
        QVERIFY(!main->isReady());
        QVERIFY(!controller.isReady());
        QCOMPARE(mainReady.size(), 1);
        QCOMPARE(ownReady.size(), 1);
        controller.end();
        QVERIFY(main->isReady());
        QVERIFY(controller.isReady());
        QCOMPARE(mainReady.size(), 2);
        QCOMPARE(ownReady.size(), 2);
        QCOMPARE(controller.loads, 1);
    }

    void twoLoadingControllersKeepTheProgramBusyUntilBothEnd()
    {
        LoadingController first;
        auto second = std::make_unique<LoadingController>();
        QSignalSpy mainReady(main.get(), &MainController::readyChanged);
        first.start();
        second->start();
        // Starting again changes nothing for the program.
        first.start();
        QCOMPARE(mainReady.size(), 1);
        first.end();
        QVERIFY(!main->isReady());
        QCOMPARE(mainReady.size(), 1);
        // The last one goes away while still loading.
        second.reset();
        QVERIFY(main->isReady());
        QCOMPARE(mainReady.size(), 2);
    }

    void endWithoutStartOnlyTellsTheController()
    {
        LoadingController controller;
        QSignalSpy mainReady(main.get(), &MainController::readyChanged);
        QSignalSpy ownReady(&controller, &BaseController::readyChanged);
        controller.end();
        QVERIFY(main->isReady());
        QVERIFY(mainReady.isEmpty());
        QCOMPARE(ownReady.size(), 1);
        QCOMPARE(controller.loads, 1);

        // While another controller loads, an unknown one ending does not end the busy state.
        LoadingController busy;
        busy.start();
        controller.end();
        QVERIFY(!main->isReady());
        QCOMPARE(mainReady.size(), 1);
    }

    void controllersWorkWithoutMainController()
    {
        main.reset();
        QVERIFY(!MainController::hasInstance());
        auto controller = std::make_unique<LoadingController>();
        QSignalSpy ownReady(controller.get(), &BaseController::readyChanged);
        controller->start();
        controller->end();
        controller->start();
        QCOMPARE(ownReady.size(), 3);
        QCOMPARE(controller->loads, 1);
        controller.reset();
    }

    void aNewMainControllerStartsReady()
    {
        auto controller = std::make_unique<LoadingController>();
        controller->start();
        QVERIFY(!main->isReady());
        main.reset();
        QVERIFY(MainController::isShuttingDown());
        // Destroyed after the main controller: nothing left to unregister from.
        controller.reset();

        main = std::make_unique<MainController>();
        QVERIFY(!MainController::isShuttingDown());
        QVERIFY(main->isReady());
        LoadingController next;
        next.start();
        next.end();
        QVERIFY(main->isReady());
    }

private:
    std::unique_ptr<MainController> main;
};

QTEST_MAIN(TestReadyTracking)
#include "tst_readytracking.moc"
