#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <core/customqmainwindow.h>
#include <core/menu.h>
#include <core/menuitem.h>
#include <core/windowlayout.h>

using core::WindowLayout;

namespace {

const char* const windowWithMenus = R"(
import QtQuick
import core
Window {
    width: 1200; height: 800; title: "Tarvino"
    property var menus: [fileMenu, looseItem, plainObject, editMenu]
    property bool allowClose: false
    function desktopClosing() { return allowClose }
    Menu {
        id: fileMenu
        title: "Datei"
        MenuItem { objectName: "newItem"; title: "Neu"; shortcut: "Ctrl+N" }
        MenuSeparator {}
        MenuItem { objectName: "saveItem"; title: "Speichern"; shortcut: StandardKey.Save }
    }
    MenuItem { id: looseItem; title: "lose" }
    QtObject { id: plainObject }
    Menu { id: editMenu; title: "Bearbeiten"; MenuItem { title: "Rückgängig" } }
}
)";

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QQuickWindow> createWindow(QQmlEngine& engine, const char* source = windowWithMenus)
    {
        QQmlComponent component(&engine);
        component.setData(source, QUrl(QStringLiteral("qrc:/test/Window.qml")));
        auto* window = qobject_cast<QQuickWindow*>(component.create());
        if (!window)
            qWarning() << component.errorString();
        return std::unique_ptr<QQuickWindow>(window);
    }

private slots:
    void init()
    {
        engine = std::make_unique<QQmlEngine>();
        engine->addImportPath(QStringLiteral("qrc:/orvindal"));
    }
    void cleanup()
    {
        delete WindowLayout::m_instance;
        engine.reset();
    }

    void menuBarHoldsOnlyTheMenusInOrder()
    {
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        core::CustomQMainWindow* main = WindowLayout::instance()->mainWindow();
        QVERIFY(main);
        const QList<QAction*> bar = main->menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar.at(0)->text(), QStringLiteral("Datei"));
        QCOMPARE(bar.at(1)->text(), QStringLiteral("Bearbeiten"));
        const QList<QAction*> file = bar.at(0)->menu()->actions();
        QCOMPARE(file.size(), 3);
        QCOMPARE(file.at(0)->text(), QStringLiteral("Neu"));
        QVERIFY(file.at(1)->isSeparator());
        QCOMPARE(file.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(file.at(2)->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(main->windowTitle(), QStringLiteral("Tarvino"));
        QCOMPARE(main->centralWidget()->minimumSize(), QSize(1200, 661));
        QVERIFY(window->flags().testFlag(Qt::FramelessWindowHint));
    }

    void secondSetupKeepsTheFirstMainWindow()
    {
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        core::CustomQMainWindow* first = WindowLayout::instance()->mainWindow();
        QTest::ignoreMessage(QtWarningMsg, "The main window is set up already");
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        QCOMPARE(WindowLayout::instance()->mainWindow(), first);
    }

    void closingFollowsTheCallback_data()
    {
        QTest::addColumn<QString>("callback");
        QTest::addColumn<bool>("closes");
        QTest::newRow("returns true") << "(function() { return true })" << true;
        QTest::newRow("returns false") << "(function() { return false })" << false;
        QTest::newRow("throws") << "(function() { throw new Error('broken') })" << false;
        QTest::newRow("not a function") << "42" << true;
    }
    void closingFollowsTheCallback()
    {
        QFETCH(QString, callback);
        QFETCH(bool, closes);
        core::CustomQMainWindow main(engine->evaluate(callback));
        if (callback.contains(QLatin1String("throw")))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("closing callback failed"));
        QCloseEvent event;
        QCoreApplication::sendEvent(&main, &event);
        QCOMPARE(event.isAccepted(), closes);
    }

    void callsBeforeSetupDoNothing()
    {
        WindowLayout::instance()->alert();
        WindowLayout::instance()->setWindowSize(QSize(800, 600));
        QVERIFY(!WindowLayout::instance()->mainWindow());
    }

    void setWindowSizeSetsMinimumAndSize()
    {
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        WindowLayout::instance()->setWindowSize(QSize(1300, 900));
        QCOMPARE(WindowLayout::instance()->mainWindow()->minimumSize(), QSize(1300, 900));
        QCOMPARE(WindowLayout::instance()->mainWindow()->size(), QSize(1300, 900));
    }

    void singletonOutlivesTheEngine()
    {
        QQmlComponent component(engine.get());
        component.setData("import QtQml\nimport core\nQtObject { property var layout: WindowLayout }", QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("layout").value<QObject*>(), WindowLayout::instance());
        WindowLayout* before = WindowLayout::instance();
        object.reset();
        engine.reset();
        QCOMPARE(WindowLayout::m_instance, before);
        WindowLayout::instance()->alert();
    }

    void dialogFollowsTheMainWindow()
    {
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        QQuickWindow dialog;
        WindowLayout::instance()->registerDialog(&dialog);
        QCOMPARE(dialog.transientParent(), WindowLayout::instance()->mainWindow()->windowHandle());

        auto owner = std::make_unique<QWindow>();
        QQuickWindow ownedDialog;
        ownedDialog.setTransientParent(owner.get());
        ownedDialog.show();
        WindowLayout::instance()->registerDialog(&ownedDialog);
        QCOMPARE(ownedDialog.transientParent(), owner.get());
        owner.reset();
        QVERIFY(!ownedDialog.isVisible());
    }

private:
    std::unique_ptr<QQmlEngine> engine;
};

class TestMenuItems : public QObject {
    Q_OBJECT

private slots:
    void shortcutFromTextOrStandardKey_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("text") << QVariant(QStringLiteral("Ctrl+S"));
        QTest::newRow("standard key") << QVariant(int(QKeySequence::Save));
    }
    void shortcutFromTextOrStandardKey()
    {
        QFETCH(QVariant, value);
        core::MenuItem item;
        QSignalSpy spy(&item, &core::MenuItem::shortcutChanged);
        item.setShortcut(value);
        item.setShortcut(value);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(item.action()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(item.shortcut().toString(), QKeySequence(QStringLiteral("Ctrl+S")).toString(QKeySequence::NativeText));
    }

    void iconFromResourceUrl()
    {
        core::MenuItem item;
        item.setIcon(QStringLiteral("qrc:/qt-project.org/styles/commonstyle/images/standardbutton-save-16.png"));
        QCOMPARE(item.icon(), QStringLiteral("qrc:/qt-project.org/styles/commonstyle/images/standardbutton-save-16.png"));
        QVERIFY(!item.action()->icon().isNull());
    }

    void settersSignalOnlyOnChange()
    {
        core::MenuItem item;
        QSignalSpy title(&item, &core::MenuItem::titleChanged);
        QSignalSpy enabled(&item, &core::MenuItem::enabledChanged);
        item.setTitle(QStringLiteral("Neu"));
        item.setTitle(QStringLiteral("Neu"));
        item.setEnabled(true);
        item.setEnabled(false);
        QCOMPARE(title.count(), 1);
        QCOMPARE(enabled.count(), 1);
    }

    void nativeActionTriggersTheItem()
    {
        core::MenuItem item;
        QSignalSpy triggered(&item, &core::MenuItem::triggered);
        item.action()->trigger();
        QCOMPARE(triggered.count(), 1);
    }

    void clearingTheListEmptiesTheNativeMenu()
    {
        core::Menu menu;
        core::MenuItem first;
        core::MenuItem second;
        QQmlListProperty<core::AbstractMenuItem> items = menu.items();
        items.append(&items, &first);
        items.append(&items, &second);
        QCOMPARE(menu.nativeMenu()->actions().size(), 2);
        items.clear(&items);
        QCOMPARE(items.count(&items), 0);
        QVERIFY(menu.nativeMenu()->actions().isEmpty());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestWindowLayout layout;
        status |= QTest::qExec(&layout, argc, argv);
    }
    {
        TestMenuItems items;
        status |= QTest::qExec(&items, argc, argv);
    }
    return status;
}

#include "tst_windowlayout.moc"
