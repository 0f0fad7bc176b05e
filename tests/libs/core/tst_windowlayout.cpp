#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMenuBar>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

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

    // First, before any test reads an image file: the first read maps every image-format plugin.
    void menuBarExtensionIconIsPaintedNotRead()
    {
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        const auto* extension = WindowLayout::instance()->mainWindow()->menuBar()->findChild<QToolButton*>();
        QVERIFY(extension);
        const QIcon icon = extension->icon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 10));
        QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 20));
        QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).deviceIndependentSize(), QSizeF(16, 10));
#ifdef Q_OS_LINUX
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));
#endif
    }

    void extensionIconsPointTheWayTheyOpen_data()
    {
        QTest::addColumn<int>("standardIcon");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("tip");
        QTest::addColumn<QPoint>("opening");
        QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::LeftToRight
                                    << QSize(32, 20) << QPoint(14, 10) << QPoint(8, 10);
        QTest::newRow("horizontal right to left") << int(QStyle::SP_ToolBarHorizontalExtensionButton)
                                                  << Qt::RightToLeft << QSize(32, 20) << QPoint(17, 10)
                                                  << QPoint(23, 10);
        QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton) << Qt::LeftToRight
                                  << QSize(20, 32) << QPoint(10, 14) << QPoint(10, 8);
    }
    // The chevrons of an icon at twice the size: the tip is painted, the inside of the bend is not.
    void extensionIconsPointTheWayTheyOpen()
    {
        QFETCH(int, standardIcon);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QSize, size);
        QFETCH(QPoint, tip);
        QFETCH(QPoint, opening);
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        QStyleOption option;
        option.direction = direction;
        const QIcon icon = QApplication::style()->standardIcon(QStyle::StandardPixmap(standardIcon), &option);
        QCOMPARE(icon.availableSizes(), QList<QSize>({size / 2, size}));
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), size);
        QVERIFY(qAlpha(image.pixel(tip)) > 200);
        QCOMPARE(qAlpha(image.pixel(opening)), 0);
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

    // Smaller sizes too: the phone and tablet previews shrink the window below its first size,
    // and the QML window inside must not stay wider than the window.
    void setWindowSizeSetsMinimumAndSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(1300, 900);
        QTest::newRow("phone") << QSize(405, 878);
        QTest::newRow("phone landscape") << QSize(878, 405);
    }
    void setWindowSizeSetsMinimumAndSize()
    {
        QFETCH(QSize, size);
        auto window = createWindow(*engine);
        QVERIFY(window);
        WindowLayout::instance()->setupLayout(window.get(), QJSValue());
        WindowLayout::instance()->setWindowSize(size);
        core::CustomQMainWindow* main = WindowLayout::instance()->mainWindow();
        QCOMPARE(main->minimumSize(), size);
        QCOMPARE(main->size(), size);
        QCOMPARE(main->centralWidget()->minimumSize(), QSize(size.width(), size.height() - WindowLayout::ReservedHeight));
        QVERIFY(QTest::qWaitFor([&] { return window->width() == size.width(); }));
        QVERIFY(window->height() <= size.height());
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
