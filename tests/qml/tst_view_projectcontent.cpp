#include <QQuickItem>
#include <QTest>
#include <memory>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"

// The content of the open project as the views reach it: through the main controller's
// projectContent, without QML warnings.
class TestViewProjectContent : public ViewFixture {
    Q_OBJECT

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

    // The channel list of the settings pages: the extension channels, the used ones highlighted,
    // the signalling choice numbered from 1 after "Inaktiv", and the years.
    void channelModel() {
        MainController& main = MainController::instance();
        QVERIFY(main.createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Kanäle")));
        QVERIFY(main.openCurrentProject());
        ProjectContentController* content = main.projectContent();
        QVERIFY(content->toggleExtensionModule(true));
        content->setSelectedChannel(5);
        content->switchTimesViewController()->createFromTable(
            0, 1, 128, -1, QDateTime(QDate(2026, 3, 29), QTime(8, 0), Qt::UTC), {}, {}, {});
        QObject* view = harness->loadData(channelLists);
        QVERIFY(view);
        const auto list = [&](const char* name) { return view->property(name).toList(); };
        QCOMPARE(list("allIndexes"), QVariantList({0, 1, 4, 5, 6, 7}));
        QCOMPARE(list("allNames").first().toString(), QStringLiteral("Kanal 1"));
        QCOMPARE(list("allNames").last().toString(), QStringLiteral("Kanal 8"));
        QCOMPARE(list("extension"), QVariantList({false, false, true, true, true, true}));
        QCOMPARE(list("highlighted"), QVariantList({false, false, false, true, false, false}));
        QCOMPARE(list("signalingValues"), QVariantList({0, 1, 2, 6, 7, 8}));
        QCOMPARE(list("signalingNames").first().toString(), QStringLiteral("Inaktiv"));
        QCOMPARE(view->property("rowOfSix").toInt(), 3);
        QCOMPARE(view->property("rowOfThree").toInt(), -1);
        const QVariantList years = list("years");
        QCOMPARE(years.size(), 77);
        QCOMPARE(years.first().toString(), QStringLiteral("2023"));
        QCOMPARE(years.last().toString(), QStringLiteral("2099"));
        main.closeProject();
    }

    // Only the channels of the asked type.
    void channelModelOfOneType() {
        MainController& main = MainController::instance();
        QVERIFY(main.createProject(model(QStringLiteral("Tarvino Rix3 Hybrid 4")), QStringLiteral("Astro")));
        QVERIFY(main.openCurrentProject());
        main.projectContent()->setChannelType(1, 1);
        main.projectContent()->setChannelType(3, 1);
        QObject* view = harness->loadData(channelLists);
        QVERIFY(view);
        QCOMPARE(view->property("astroIndexes").toList(), QVariantList({1, 3}));
        QCOMPARE(view->property("allIndexes").toList(), QVariantList({0, 1, 2, 3}));
        main.closeProject();
    }

    // The project view reads the content controller, and the project through it.
    void projectViewBindsTheContent() {
        MainController& main = MainController::instance();
        QVERIFY(main.createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Inhalt")));
        QVERIFY(main.openCurrentProject());
        QObject* view = harness->load(QStringLiteral("app/views/ProjectContentView.qml"),
                                      {{QStringLiteral("viewController"), QVariant::fromValue(main.projectContent())}});
        QVERIFY(view);
        QCOMPARE(view->property("title").toString(), QStringLiteral("Inhalt"));
        QCOMPARE(view->property("project").value<QObject*>(), main.currentProject());
        main.closeProject();
    }

private:
    static constexpr const char* channelLists = R"(
import QtQuick
import Tarvino
Item {
    readonly property var content: mainController.projectContent
    readonly property var project: content ? content.project : null
    readonly property var all: SettingsProvider.channelModel(this, project, undefined, content ? content.emptyChannels : [])
    readonly property var astro: SettingsProvider.channelModel(this, project, 1)
    readonly property var signaling: SettingsProvider.signalingChannelModel(this, project, 4)
    function column(model, role) {
        const values = []
        for (let row = 0; row < model.count; ++row)
            values.push(model.get(row)[role])
        return values
    }
    readonly property var allIndexes: column(all, "channelIndex")
    readonly property var allNames: column(all, "name")
    readonly property var extension: column(all, "extension")
    readonly property var highlighted: column(all, "highlighted")
    readonly property var astroIndexes: column(astro, "channelIndex")
    readonly property var signalingValues: column(signaling, "channelIndex")
    readonly property var signalingNames: column(signaling, "name")
    readonly property int rowOfSix: all.indexByValue("channelIndex", 5)
    readonly property int rowOfThree: all.indexByValue("channelIndex", 2)
    readonly property var years: SettingsProvider.years
})";
};

QTEST_MAIN(TestViewProjectContent)
#include "tst_view_projectcontent.moc"
