#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <devices/deviceservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"

// The tool bars of the phone's layout in the program's window, previewed through the display
// override, against those of the desktop: the menu of the home screen and the channel buttons
// of the program view.
class TestViewToolbars : public ViewFixture {
    Q_OBJECT

private:

private slots:
    void initTestCase() {
        harness = std::make_unique<ViewHarness>();
        QVERIFY(harness->loadMain());
    }
    void cleanupTestCase() {
        harness->setPhoneLayout(false);
        harness.reset();
    }
    void cleanup() {
        harness->setPhoneLayout(false);
        for (QQuickWindow* dialog : harness->dialogs())
            dialog->close();
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        main().closeProject();
    }

    // The phone keeps direct commands, settings and software information behind one menu.
    void homeMenuOnThePhone() {
        harness->setPhoneLayout(true);
        QVERIFY(openView(QStringLiteral("HomeScreenView"), QStringLiteral("toolBarMenuButton")));
        QVERIFY(!item(QStringLiteral("settingsButton")));
        QVERIFY(!item(QStringLiteral("directCommandsButton")));
        QVERIFY(!item(QStringLiteral("softwareInfoButton")));
        // The bar lays its buttons out again for the new width.
        QQuickItem* menuButton = item(QStringLiteral("toolBarMenuButton"));
        QVERIFY(ViewHarness::waitFor([menuButton] {
            return menuButton->mapToScene(QPointF(menuButton->width(), 0)).x() <= menuButton->window()->width();
        }));
        QVERIFY(clickOn(QStringLiteral("toolBarMenuButton")));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("toolBarMenu")); }));
        QCOMPARE(textOf(QStringLiteral("menuDirectCommands")), QStringLiteral("Direktbefehle / Gerätestatus"));
        QCOMPARE(textOf(QStringLiteral("menuSettings")), QStringLiteral("Einstellungen"));
        QCOMPARE(textOf(QStringLiteral("menuSoftwareInfo")), QStringLiteral("Software-Info"));
        const int before = harness->dialogs().size();
        QVERIFY(clickOn(QStringLiteral("menuSoftwareInfo")));
        QVERIFY(ViewHarness::waitFor([this, before] { return harness->dialogs().size() == before + 1; }));
        QVERIFY(!harness->findPopup(QStringLiteral("toolBarMenu")));

        harness->setPhoneLayout(false);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("settingsButton")) != nullptr; }));
        QVERIFY(item(QStringLiteral("softwareInfoButton")));
        QVERIFY(!item(QStringLiteral("toolBarMenuButton")));
    }

    // The phone chooses the channel by its buttons; the desktop keeps the list.
    void channelButtonsOnThePhone() {
        QVERIFY(main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Kanäle")));
        harness->setPhoneLayout(true);
        QVERIFY(openView(QStringLiteral("ProjectContentView"), QStringLiteral("channelsToolbar")));
        QVERIFY(!item(QStringLiteral("channelChooser")));
        QVERIFY(item(QStringLiteral("channelButton_0"))->property("selected").toBool());
        QVERIFY(clickOn(QStringLiteral("channelButton_1")));
        QCOMPARE(main().projectContent()->selectedChannel(), 1);
        QVERIFY(item(QStringLiteral("channelButton_1"))->property("selected").toBool());
        QVERIFY(!item(QStringLiteral("channelButton_0"))->property("selected").toBool());

        harness->setPhoneLayout(false);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("channelChooser")) != nullptr; }));
        QVERIFY(!item(QStringLiteral("channelsToolbar")));
        QCOMPARE(item(QStringLiteral("channelChooser"))->property("currentIndex").toInt(), 1);
    }

    // The project view's title: the name and the model on one line where the bar has room for
    // them, the name over the model where it has not, each form whole or elided, never both.
    void projectTitleTakesTheFormThatFits_data() {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("twoLines");
        QTest::newRow("wide") << false << QStringLiteral("Druckerei Mitte") << false;
        QTest::newRow("wide, long name")
            << false << QStringLiteral("Beleuchtung der Lagerhalle Ost, Rampen und Parkplatz hinter dem Verwaltungsbau") << true;
        QTest::newRow("phone") << true << QStringLiteral("Druckerei Mitte") << true;
    }
    void projectTitleTakesTheFormThatFits() {
        QFETCH(bool, phone);
        QFETCH(QString, name);
        QFETCH(bool, twoLines);
        const int ot2 = model(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(main().createProject(ot2, name));
        harness->setPhoneLayout(phone);
        const QString shownName = twoLines ? QStringLiteral("twoLineTitleName") : QStringLiteral("projectTitleName");
        const QString shownDevice = twoLines ? QStringLiteral("twoLineTitleDevice") : QStringLiteral("projectTitleDevice");
        QVERIFY(openView(QStringLiteral("ProjectContentView"), shownName));
        QVERIFY(!item(twoLines ? QStringLiteral("projectTitleName") : QStringLiteral("twoLineTitleName")));
        QVERIFY(!item(twoLines ? QStringLiteral("projectTitleDevice") : QStringLiteral("twoLineTitleDevice")));
        // The phone's bar holds the title alone.
        QCOMPARE(item(QStringLiteral("saveProjectButton")) != nullptr, !phone);
        QCOMPARE(textOf(shownName), name);
        QCOMPARE(textOf(shownDevice), devices::DeviceService::instance().deviceByOt2Number(ot2).name());
        // Both lines stay inside the bar once it has laid itself out for the window.
        const qreal barHeight = harness->evaluate(QStringLiteral("Metrics.toolbar.barHeight")).toReal();
        for (const QString& line : {shownName, shownDevice}) {
            QQuickItem* text = item(line);
            QVERIFY2(ViewHarness::waitFor([text, barHeight] {
                const QPointF left = text->mapToScene(QPointF(0, 0));
                const QPointF right = text->mapToScene(QPointF(text->width(), text->height()));
                return text->width() > 0 && left.x() >= 0 && right.x() <= text->window()->width() && left.y() >= 0
                       && right.y() <= barHeight;
            }), qPrintable(line));
        }
        if (!twoLines)
            QVERIFY(!item(shownName)->property("truncated").toBool());
    }

    // A plain view title stands in the middle of the wide bar, at its start on the phone.
    void plainTitleStandsWhereTheLayoutPutsIt_data() {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<int>("alignment");
        QTest::newRow("wide") << false << QStringLiteral("toolbarTitle") << QStringLiteral("toolbarLeftTitle")
                              << int(Qt::AlignHCenter);
        QTest::newRow("phone") << true << QStringLiteral("toolbarLeftTitle") << QStringLiteral("toolbarTitle")
                               << int(Qt::AlignLeft);
    }
    void plainTitleStandsWhereTheLayoutPutsIt() {
        QFETCH(bool, phone);
        QFETCH(QString, shown);
        QFETCH(QString, hidden);
        QFETCH(int, alignment);
        harness->setPhoneLayout(phone);
        QVERIFY(openView(QStringLiteral("ProjectCreationView"), shown));
        QVERIFY(!item(hidden));
        QCOMPARE(textOf(shown), QStringLiteral("Neues Projekt"));
        QCOMPARE(item(shown)->property("effectiveHorizontalAlignment").toInt(), alignment);
    }
};

QTEST_MAIN(TestViewToolbars)
#include "tst_view_toolbars.moc"
