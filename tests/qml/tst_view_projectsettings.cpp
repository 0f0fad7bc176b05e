#include <QAbstractItemModel>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "maincontroller.h"
#include "metadatacontroller.h"
#include "noctaprojectcontroller.h"
#include "projectcontentcontroller.h"
#include "settingscontroller.h"
#include "viewfixture.h"

// The project's own settings on their real controllers: the metadata tabs, the device settings
// page, the light settings of twilight projects and the sort view. What the views store is read
// again from the project file after saving and reopening.
class TestViewProjectSettings : public ViewFixture {
    Q_OBJECT

private:
    static ProjectContentController* content() { return main().projectContent(); }
    static ProjectController* project() { return main().currentProject(); }
    static MetadataController* metadata() { return project()->metadataController(); }
    static QAbstractItemModel* list() { return content()->switchTimesViewController()->switches(); }
    static QVariant role(int row, const QByteArray& name) {
        QAbstractItemModel* model = list();
        return model->data(model->index(row, 0), model->roleNames().key(name));
    }
    static QDateTime at(int hour, int minute) { return QDateTime(QDate(2026, 3, 29), QTime(hour, minute), Qt::UTC); }
    static void addSwitchTime(int state, int hour) {
        content()->switchTimesViewController()->createFromTable(0, state, 128, -1, at(hour, 0), {}, {}, {});
    }

    bool open(const QString& device) {
        return main().createProject(model(device), QStringLiteral("Einstellungen")) && main().openCurrentProject();
    }
    QObject* loadDeviceSettings() {
        return harness->load(QStringLiteral("app/settings/DeviceSettingsView.qml"),
                             {{QStringLiteral("viewController"), QVariant::fromValue(content()->settingsController())}});
    }
    QObject* loadLight() {
        return harness->load(QStringLiteral("app/light/LightView.qml"),
                             {{QStringLiteral("viewController"), QVariant::fromValue(content())}});
    }
    QObject* loadProjectSettings() {
        return harness->load(QStringLiteral("app/views/ProjectSettingsView.qml"),
                             {{QStringLiteral("projectController"), QVariant::fromValue(project())}});
    }
    bool choose(const QString& box, int row) const { return harness->choose(item(box), row); }
    bool answer(bool accept) const {
        if (!ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("confirmPopup")); }))
            return false;
        return harness->click(item(accept ? QStringLiteral("acceptButton") : QStringLiteral("rejectButton")))
               && ViewHarness::waitFor([this] { return !item(QStringLiteral("acceptButton")); });
    }
    bool replaceText(const QString& field, const QString& text) const {
        QQuickItem* entry = item(field);
        if (!entry)
            return false;
        entry->forceActiveFocus();
        QMetaObject::invokeMethod(entry, "selectAll");
        return harness->typeText(entry, text);
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        // Tall enough for every section of the device settings without scrolling.
        harness = std::make_unique<ViewHarness>(ViewHarness::Options{QStringLiteral("de"), true, QSize(1280, 1400)});
    }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        harness->load(QStringLiteral("components/DefaultText.qml"));
        main().closeProject();
    }

    void deviceChannelNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lower case") << QStringLiteral("ab-1/x") << QStringLiteral("AB-1/X");
        QTest::newRow("gaps and signs") << QStringLiteral("a b!c+d") << QStringLiteral("ABCD");
        QTest::newRow("umlauts") << QStringLiteral("Tür9") << QStringLiteral("TR9");
    }
    // Channels 0, 1 and 4 to 7 have rows; the lists are indexed by channel, gaps empty.
    void deviceChannelNames() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(content()->toggleExtensionModule(true));
        QVERIFY(loadProjectSettings());
        QVERIFY(harness->click(item(QStringLiteral("tab_3"))));
        QVERIFY(!item(QStringLiteral("channelDescription_2")));
        QVERIFY(harness->typeText(item(QStringLiteral("deviceChannelName_4")), typed));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("deviceChannelName_4"))), shown);
        QVERIFY(harness->typeText(item(QStringLiteral("channelDescription_1")), QStringLiteral("Licht Eingang")));
        QVERIFY(harness->click(item(QStringLiteral("okButton"))));
        const QStringList names{{}, {}, {}, {}, shown, {}, {}, {}};
        QCOMPARE(metadata()->deviceChans(), names);
        QCOMPARE(metadata()->channelsDescription(),
                 QStringList({{}, QStringLiteral("Licht Eingang"), {}, {}, {}, {}, {}, {}}));

        QVERIFY(saveAndReopen());
        QCOMPARE(metadata()->deviceChans(), names);
        QVERIFY(loadProjectSettings());
        QVERIFY(harness->click(item(QStringLiteral("tab_3"))));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("deviceChannelName_4"))), shown);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("channelDescription_1"))), QStringLiteral("Licht Eingang"));
    }

    // "Abbruch" keeps nothing; "OK" keeps every tab, which the reopened project shows again.
    void metadataTabsSaveOnOk() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(loadProjectSettings());
        QVERIFY(harness->typeText(item(QStringLiteral("projectTitleField")), QStringLiteral("Schule")));
        QVERIFY(harness->click(item(QStringLiteral("cancelButton"))));
        QCOMPARE(metadata()->projectTitle(), QString());

        QVERIFY(loadProjectSettings());
        QVERIFY(harness->typeText(item(QStringLiteral("projectTitleField")), QStringLiteral("Schule")));
        QVERIFY(harness->typeText(item(QStringLiteral("projectDescriptionField")), QStringLiteral("Turnhalle")));
        QVERIFY(harness->click(item(QStringLiteral("tab_1"))));
        QVERIFY(harness->typeText(item(QStringLiteral("nameField")), QStringLiteral("Gemeinde")));
        QVERIFY(harness->typeText(item(QStringLiteral("addressField")), QStringLiteral("Hauptstraße 1")));
        QVERIFY(harness->click(item(QStringLiteral("tab_2"))));
        QVERIFY(harness->typeText(item(QStringLiteral("nameField")), QStringLiteral("Elektro Muster")));
        QVERIFY(harness->typeText(item(QStringLiteral("addressField")), QStringLiteral("Werkweg 2")));
        QVERIFY(harness->click(item(QStringLiteral("okButton"))));

        QVERIFY(saveAndReopen());
        QCOMPARE(metadata()->projectTitle(), QStringLiteral("Schule"));
        QCOMPARE(metadata()->projectDescription(), QStringLiteral("Turnhalle"));
        QCOMPARE(metadata()->clientName(), QStringLiteral("Gemeinde"));
        QCOMPARE(metadata()->clientAddress(), QStringLiteral("Hauptstraße 1"));
        QCOMPARE(metadata()->authorName(), QStringLiteral("Elektro Muster"));
        QCOMPARE(metadata()->authorAddress(), QStringLiteral("Werkweg 2"));
        QVERIFY(loadProjectSettings());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("projectTitleField"))), QStringLiteral("Schule"));
        QVERIFY(item(QStringLiteral("projectSettingsTabs"))->setProperty("currentIndex", 2));
        QTRY_COMPARE(ViewHarness::text(item(QStringLiteral("nameField"))), QStringLiteral("Elektro Muster"));
    }

    // With programs on channels 5 to 8 the box stays ticked until the user agrees.
    void extensionModuleAsksFirst() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(content()->toggleExtensionModule(true));
        content()->setSelectedChannel(5);
        addSwitchTime(1, 8);
        content()->setSelectedChannel(0);
        QVERIFY(loadDeviceSettings());
        QQuickItem* box = item(QStringLiteral("extensionModuleBox"));
        QVERIFY(box && box->property("checked").toBool());

        QVERIFY(harness->click(box));
        QVERIFY(box->property("checked").toBool());
        QVERIFY(project()->extensionModule());
        QVERIFY(answer(false));
        QVERIFY(box->property("checked").toBool());
        QVERIFY(project()->extensionModule());
        QVERIFY(content()->channelIsUsed(5));

        QVERIFY(harness->click(box));
        QVERIFY(answer(true));
        QVERIFY(!project()->extensionModule());
        QVERIFY(!box->property("checked").toBool());

        // Without programs there the module goes at once, and comes back at once.
        QVERIFY(harness->click(box));
        QVERIFY(project()->extensionModule());
        QVERIFY(harness->click(box));
        QVERIFY(!harness->findPopup(QStringLiteral("confirmPopup")));
        QVERIFY(!project()->extensionModule());
        QVERIFY(harness->click(box));
        QVERIFY(saveAndReopen());
        QVERIFY(project()->extensionModule());
    }

    // An unused channel changes its function at once; a used one asks first.
    void channelFunctionOfAUsedChannelAsksFirst() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Hybrid 4")));
        content()->setSelectedChannel(1);
        addSwitchTime(1, 8);
        content()->setSelectedChannel(0);
        QVERIFY(loadDeviceSettings());
        QVERIFY(choose(QStringLiteral("channelFunctionChoice"), 1));
        QVERIFY(!harness->findPopup(QStringLiteral("confirmPopup")));
        QCOMPARE(content()->channelType(), 1);

        QVERIFY(choose(QStringLiteral("settingsChannelChooser"), 1));
        QCOMPARE(content()->selectedChannel(), 1);
        // The box goes back to the channel's function while the question is open.
        QVERIFY(!choose(QStringLiteral("channelFunctionChoice"), 1));
        QCOMPARE(item(QStringLiteral("channelFunctionChoice"))->property("currentIndex").toInt(), 0);
        QVERIFY(answer(false));
        QCOMPARE(content()->channelType(), 0);
        QCOMPARE(list()->rowCount(), 1);
        QVERIFY(!choose(QStringLiteral("channelFunctionChoice"), 1));
        QVERIFY(answer(true));
        QCOMPARE(content()->channelType(), 1);
        QCOMPARE(item(QStringLiteral("channelFunctionChoice"))->property("currentIndex").toInt(), 1);
        QVERIFY(!content()->channelIsUsed(1));

        QVERIFY(saveAndReopen());
        QCOMPARE(project()->channel(0)->channelType(), 1);
        QCOMPARE(project()->channel(1)->channelType(), 1);
        QCOMPARE(project()->channel(2)->channelType(), 0);
    }

    // Every choice of the clock and option sections reaches the project and its file.
    void dateTimeAndOptionsAreStored() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(loadDeviceSettings());
        QVERIFY(!item(QStringLiteral("changeoverDayChoice")));
        QVERIFY(choose(QStringLiteral("timeFormatChoice"), 1));
        QVERIFY(choose(QStringLiteral("dateFormatChoice"), 2));
        QVERIFY(choose(QStringLiteral("firstDayChoice"), 6));
        QVERIFY(choose(QStringLiteral("easterRuleChoice"), 1));
        QVERIFY(choose(QStringLiteral("channelCombinationChoice"), 2));
        QVERIFY(choose(QStringLiteral("changeoverDayChoice"), 7));
        QVERIFY(replaceText(QStringLiteral("changeoverTime"), QStringLiteral("06:30")));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("changeoverTime"))), QStringLiteral("06:30"));
        QVERIFY(choose(QStringLiteral("lcdStateChoice"), 1));
        QVERIFY(!item(QStringLiteral("timeZoneName")));

        QVERIFY(saveAndReopen());
        QCOMPARE(project()->timeFormat(), 1);
        QCOMPARE(project()->dateFormat(), 2);
        QCOMPARE(project()->firstDayOfWeek(), 6);
        QCOMPARE(project()->easterRule(), 1);
        QCOMPARE(project()->channelCombination(), 2);
        QCOMPARE(project()->channelChangeover(), 7);
        QCOMPARE(project()->channelChangeoverTime().time(), QTime(6, 30));
        QCOMPARE(project()->lcdState(), 1);
        QVERIFY(loadDeviceSettings());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("changeoverTime"))), QStringLiteral("06:30"));
        QCOMPARE(item(QStringLiteral("changeoverDayChoice"))->property("currentIndex").toInt(), 7);
        QCOMPARE(item(QStringLiteral("firstDayChoice"))->property("currentIndex").toInt(), 6);
    }

    void astroProjectShowsItsTimeZone() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Astro 1")));
        QVERIFY(loadDeviceSettings());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("timeZoneName"))), QStringLiteral("UTC +1h"));
    }

    // One setting for all days: a single row, no day name, no copy menu.
    void oneLuxRowForTypeOne() {
        QVERIFY(open(QStringLiteral("Tarvino Rix2 Lumen 1")));
        QCOMPARE(project()->luxSettingType(), 1);
        QVERIFY(loadLight());
        QVERIFY(item(QStringLiteral("luxOn_0")));
        QVERIFY(!item(QStringLiteral("luxOn_1")));
        QVERIFY(!item(QStringLiteral("luxDay_0")));
        QVERIFY(harness->rightClick(item(QStringLiteral("luxOn_0"))));
        QVERIFY(!harness->findPopup(QStringLiteral("luxCopyMenu")));
        QVERIFY(choose(QStringLiteral("luxOn_0"), 8));
        QVERIFY(choose(QStringLiteral("luxOff_0"), 11));
        QVERIFY(replaceText(QStringLiteral("delayOnPicker"), QStringLiteral("02:30")));

        QVERIFY(saveAndReopen());
        auto* nocta = qobject_cast<NoctaProjectController*>(project());
        QVERIFY(nocta);
        QCOMPARE(nocta->luxOnValue(0, 0), 40);
        QCOMPARE(nocta->luxOffValue(0, 0), 100);
        QCOMPARE(nocta->delaySunriseTime().time().minute(), 2);
        QCOMPARE(nocta->delaySunriseTime().time().second(), 30);
        QVERIFY(loadLight());
        QCOMPARE(item(QStringLiteral("luxOn_0"))->property("displayText").toString(), QStringLiteral("40 lx"));
    }

    // A row of the week copied to every day: both values, or the one chosen.
    void copyMenuFillsAllDays() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Lumen 2")));
        auto* nocta = qobject_cast<NoctaProjectController*>(project());
        QVERIFY(nocta);
        QVERIFY(loadLight());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("luxDay_0"))), QStringLiteral("Montag"));
        QVERIFY(item(QStringLiteral("luxOn_6")));
        QVERIFY(choose(QStringLiteral("luxOn_2"), 4));
        QVERIFY(choose(QStringLiteral("luxOff_2"), 9));

        QVERIFY(harness->rightClick(item(QStringLiteral("luxOn_2"))));
        QVERIFY(harness->findPopup(QStringLiteral("luxCopyMenu")));
        QVERIFY(!item(QStringLiteral("copyAllDaysOn"))->isEnabled());
        QVERIFY(!item(QStringLiteral("copyAllDaysOff"))->isEnabled());
        harness->key(Qt::Key_Escape);
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findPopup(QStringLiteral("luxCopyMenu")); }));

        QVERIFY(harness->rightClick(item(QStringLiteral("luxOff_2"))));
        QVERIFY(harness->click(item(QStringLiteral("copyAllDaysOff"))));
        for (int day = 0; day < 7; ++day) {
            QCOMPARE(nocta->luxOffValue(0, day), 50);
            QCOMPARE(nocta->luxOnValue(0, day), day == 2 ? 10 : 15);
        }
        QVERIFY(harness->rightClick(item(QStringLiteral("luxDay_2"))));
        QVERIFY(harness->click(item(QStringLiteral("copyAllDays"))));
        for (int day = 0; day < 7; ++day)
            QCOMPARE(nocta->luxOnValue(0, day), 10);
        QCOMPARE(item(QStringLiteral("luxOff_6"))->property("displayText").toString(), QStringLiteral("50 lx"));

        QVERIFY(saveAndReopen());
        nocta = qobject_cast<NoctaProjectController*>(project());
        for (int day = 0; day < 7; ++day) {
            QCOMPARE(nocta->luxOnValue(0, day), 10);
            QCOMPARE(nocta->luxOffValue(0, day), 50);
        }
    }

    // State descending, then time ascending, in every program.
    void sortChoicesReachTheProject() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2")));
        addSwitchTime(0, 8);
        addSwitchTime(1, 10);
        addSwitchTime(1, 7);
        QVERIFY(harness->load(QStringLiteral("app/settings/SortSwitchTimeView.qml"),
                              {{QStringLiteral("viewController"), QVariant::fromValue(content())}}));
        QVERIFY(choose(QStringLiteral("firstSortTarget"), 3));
        QVERIFY(choose(QStringLiteral("firstSortOrder"), 1));
        QVERIFY(choose(QStringLiteral("secondSortTarget"), 1));
        QVERIFY(harness->click(item(QStringLiteral("okButton"))));
        const QList<std::pair<int, int>> sorted{{1, 7}, {1, 10}, {0, 8}};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(role(row, "state").toInt(), sorted.at(row).first);
            QCOMPARE(role(row, "startTime").toDateTime().time().hour(), sorted.at(row).second);
        }
        QVERIFY(saveAndReopen());
        for (int row = 0; row < 3; ++row)
            QCOMPARE(role(row, "startTime").toDateTime().time().hour(), sorted.at(row).second);
    }

    // The Projekt menu in the program's window: sorting while the grid shows, the optimising
    // question, and the project settings in a window of their own.
    void projectMenu() {
        QVERIFY(harness->loadMain());
        QVERIFY(main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Menü")));
        harness->evaluate(QStringLiteral("ViewLoader.openView(View.ProjectContentView, {}, true)"));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("programGrid")); }));

        QVERIFY(harness->triggerMenuAction(QStringLiteral("Sortieren...")));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().size() == 1; }));
        QVERIFY(item(QStringLiteral("firstSortTarget")));
        QVERIFY(harness->click(item(QStringLiteral("cancelButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().isEmpty(); }));
        QQuickItem* tabs = item(QStringLiteral("projectTabs"));
        QVERIFY(tabs->setProperty("currentIndex", 1));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("extensionModuleBox")); }));
        QVERIFY(!harness->triggerMenuAction(QStringLiteral("Sortieren...")));
        QVERIFY(tabs->setProperty("currentIndex", 0));

        content()->switchTimesViewController()->createFromTable(0, 1, 128, -1, at(8, 0), {}, {}, {});
        content()->switchTimesViewController()->createFromTable(0, 1, 64, -1, at(8, 0), {}, {}, {});
        QVERIFY(harness->triggerMenuAction(QStringLiteral("Optimieren")));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("popupText"))),
                 QStringLiteral("Wollen Sie das Schaltprogramm wirklich optimieren?"));
        QVERIFY(answer(false));
        QCOMPARE(list()->rowCount(), 2);
        QVERIFY(harness->triggerMenuAction(QStringLiteral("Optimieren")));
        QVERIFY(answer(true));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "startDays").toInt(), 128 | 64);

        QVERIFY(harness->triggerMenuAction(QStringLiteral("&Projekteinstellungen...")));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().size() == 1; }));
        QVERIFY(harness->typeText(item(QStringLiteral("projectTitleField")), QStringLiteral("Halle")));
        QVERIFY(harness->click(item(QStringLiteral("okButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().isEmpty(); }));
        QCOMPARE(metadata()->projectTitle(), QStringLiteral("Halle"));
    }
};

QTEST_MAIN(TestViewProjectSettings)
#include "tst_view_projectsettings.moc"
