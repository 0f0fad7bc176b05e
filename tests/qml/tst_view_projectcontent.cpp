#include <QQuickItem>
#include <QTest>
#include <memory>

#include <devices/deviceservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewharness.h"

// The content of the open project as the views reach it: through the main controller's
// projectContent, without QML warnings.
class TestViewProjectContent : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHarness> harness;

    static int model(const QString& name) {
        for (const devices::Device& device : devices::DeviceService::instance().devices()) {
            if (device.name() == name)
                return device.ot2Number();
        }
        return -1;
    }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }

    void switchCountReachesQml() {
        MainController& main = MainController::instance();
        QVERIFY(
            main.createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Ansicht")));
        QVERIFY(main.openCurrentProject());
        QObject* view = harness->loadData(R"(
import QtQuick
import Tarvino
Item {
    readonly property var content: mainController.projectContent
    readonly property int count: content ? content.switchTimesViewController.switchCount : -1
    readonly property int total: content ? content.switchTimesViewController.totalSwitchCount : -1
    readonly property bool settingsKnowTheProject: content ? content.settingsController.project === content.project : false
})");
        QVERIFY(view);
        QCOMPARE(view->property("count").toInt(), 0);
        QVERIFY(view->property("settingsKnowTheProject").toBool());

        SwitchTimesViewController* switches = main.projectContent()->switchTimesViewController();
        const QDateTime eight(QDate(2026, 3, 29), QTime(8, 0), Qt::UTC);
        switches->createFromTable(0, 1, 128, -1, eight, {}, {}, {});
        QCOMPARE(view->property("count").toInt(), 1);
        QCOMPARE(view->property("total").toInt(), 1);

        main.closeProject();
        QCOMPARE(view->property("count").toInt(), -1);
    }
};

QTEST_MAIN(TestViewProjectContent)
#include "tst_view_projectcontent.moc"
