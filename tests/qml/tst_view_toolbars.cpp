#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <core/windowlayout.h>
#include <devices/deviceservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewharness.h"

// The tool bars of the phone's layout in the program's window, previewed through the display
// override, against those of the desktop: the menu of the home screen and the channel buttons
// of the program view.
class TestViewToolbars : public QObject {
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
    static MainController& main() { return MainController::instance(); }
    QQuickItem* item(const QString& name) const { return harness->findByName(name); }
    QString textOf(const QString& name) const { return ViewHarness::text(item(name)); }
    bool clickOn(const QString& name) const { return harness->click(item(name)); }
    bool settled() const {
        return ViewHarness::waitFor([this] { return !harness->evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool(); });
    }
    bool openView(const QString& kind, const QString& shown) {
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        harness->evaluate(QStringLiteral("ViewLoader.openView(View.%1, {}, true)").arg(kind));
        return ViewHarness::waitFor([this, shown] { return item(shown) != nullptr; }) && settled();
    }
    void setPhoneLayout(bool phone) {
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = %1").arg(phone ? 1 : 0));
        core::WindowLayout::instance()->setWindowSize(phone ? QSize(405, 878) : QSize(1280, 800));
    }

private slots:
    void initTestCase() {
        harness = std::make_unique<ViewHarness>();
        QVERIFY(harness->loadMain());
    }
    void cleanupTestCase() {
        setPhoneLayout(false);
        harness.reset();
    }
    void cleanup() {
        setPhoneLayout(false);
        for (QQuickWindow* dialog : harness->dialogs())
            dialog->close();
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        main().closeProject();
    }

    // The phone keeps direct commands, settings and software information behind one menu.
    void homeMenuOnThePhone() {
        setPhoneLayout(true);
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

        setPhoneLayout(false);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("settingsButton")) != nullptr; }));
        QVERIFY(item(QStringLiteral("softwareInfoButton")));
        QVERIFY(!item(QStringLiteral("toolBarMenuButton")));
    }

    // The phone chooses the channel by its buttons; the desktop keeps the list.
    void channelButtonsOnThePhone() {
        QVERIFY(main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Kanäle")));
        setPhoneLayout(true);
        QVERIFY(openView(QStringLiteral("ProjectContentView"), QStringLiteral("channelsToolbar")));
        QVERIFY(!item(QStringLiteral("channelChooser")));
        QVERIFY(item(QStringLiteral("channelButton_0"))->property("selected").toBool());
        QVERIFY(clickOn(QStringLiteral("channelButton_1")));
        QCOMPARE(main().projectContent()->selectedChannel(), 1);
        QVERIFY(item(QStringLiteral("channelButton_1"))->property("selected").toBool());
        QVERIFY(!item(QStringLiteral("channelButton_0"))->property("selected").toBool());

        setPhoneLayout(false);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("channelChooser")) != nullptr; }));
        QVERIFY(!item(QStringLiteral("channelsToolbar")));
        QCOMPARE(item(QStringLiteral("channelChooser"))->property("currentIndex").toInt(), 1);
    }
};

QTEST_MAIN(TestViewToolbars)
#include "tst_view_toolbars.moc"
