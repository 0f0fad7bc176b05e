#include "viewharness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQmlExtensionPlugin>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <QUrl>
#include <QtQuickTest/quicktest.h>

#include <core/customqmainwindow.h>
#include <core/windowlayout.h>
#include <softwareversion/quicksoftwareversion.h>

#include "tarvinoapp.h"

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

namespace {

const QString ModuleRoot = QStringLiteral("qrc:/orvindal/Tarvino/");

// The QML messages of the running harness; the previous handler still prints everything.
QtMessageHandler previousHandler = nullptr;
QStringList recordedOffences;

bool isQmlMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return false;
    const QLatin1String category(context.category ? context.category : "");
    return category == QLatin1String("qml") || category == QLatin1String("js")
           || category.startsWith(QLatin1String("qt.qml")) || message.contains(QLatin1String("qrc:/orvindal/"));
}

void failOnQmlMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (previousHandler)
        previousHandler(type, context, message);
    if (!isQmlMessage(type, context, message))
        return;
    recordedOffences.append(message);
    // Outside a test function (the screenshot scenes) the message is only recorded.
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(QStringLiteral("QML message: ") + message), context.file ? context.file : __FILE__,
                 context.file ? context.line : __LINE__);
}

QList<QQuickItem*> visibleItems(QQuickItem* root)
{
    QList<QQuickItem*> items;
    if (!root || !root->isVisible())
        return items;
    items.append(root);
    for (QQuickItem* child : root->childItems())
        items.append(visibleItems(child));
    return items;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QList<QAction*> menuActions(const QList<QAction*>& actions)
{
    QList<QAction*> all;
    for (QAction* action : actions) {
        all.append(action);
        if (action->menu())
            all.append(menuActions(action->menu()->actions()));
    }
    return all;
}

// Where the item stands once its window has laid out what changed: positioners and layouts
// move their items only when the window polishes, which a click must not run ahead of.
QPoint scenePoint(const QQuickItem* item, QPointF position)
{
    if (QQuickTest::qIsPolishScheduled(item->window()))
        QQuickTest::qWaitForPolish(item->window());
    return item->mapToScene(position).toPoint();
}

} // namespace

ViewHarness::ViewHarness()
{
    start(Options{});
}

ViewHarness::ViewHarness(const Options& options)
{
    start(options);
}

void ViewHarness::start(const Options& options)
{
    m_options = options;
    recordedOffences.clear();
    previousHandler = qInstallMessageHandler(failOnQmlMessages);

    // The style is chosen once, before the first QML file of the process.
    if (QQuickStyle::name() != QLatin1String("Basic"))
        QQuickStyle::setStyle(QStringLiteral("Basic"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setApplicationName(QStringLiteral("TARVINO rix3"));
    {
        QSettings store;
        // Stored texts as the settings service writes them: type number, "_", value.
        store.setValue(QStringLiteral("interface/language"), QStringLiteral("10_") + options.language);
        store.setValue(QStringLiteral("settings/AcceptedTermsAndConditions"),
                       options.termsAccepted ? QStringLiteral("1_true") : QStringLiteral("1_false"));
        // The update check that the main window starts looks into an empty folder of the home,
        // never at the maker's server.
        store.setValue(QStringLiteral("softwareUpdateEndpoint"),
                       QStringLiteral("10_") + QUrl::fromLocalFile(QDir::home().filePath(QStringLiteral("update-server"))).toString());
    }
    m_softwareVersion = std::make_unique<softwareversion::QuickSoftwareVersion>();
    m_app = std::make_unique<TarvinoApp>();
    m_app->initialize();
    m_app->engine().addImportPath(QStringLiteral("qrc:/orvindal"));
}

ViewHarness::~ViewHarness()
{
    m_scope.reset();
    clearLoaded();
    m_window.reset();
    delete core::WindowLayout::m_instance;
    m_app.reset();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

TarvinoApp& ViewHarness::app() const
{
    return *m_app;
}

QQmlEngine& ViewHarness::engine() const
{
    return m_app->engine();
}

bool ViewHarness::setLanguage(const QString& code)
{
    core::LanguageService* language = m_app->languageService();
    if (language->localeCode() == code)
        return true;
    for (int index = 0; index < language->languages().size(); ++index) {
        language->setCurrentLanguage(index);
        if (language->localeCode() == code)
            return true;
    }
    return false;
}

QQuickWindow* ViewHarness::loadMain()
{
    clearLoaded();
    QQmlApplicationEngine& engine = m_app->engine();
    engine.load(QUrl(ModuleRoot + QStringLiteral("main.qml")));
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    if (!window)
        return nullptr;
    m_loaded = window;
    core::WindowLayout::instance()->setWindowSize(m_options.windowSize);
    if (!QTest::qWaitForWindowExposed(window))
        return nullptr;
    // The first view opens after the window's first frame.
    if (!QTest::qWaitFor([window] { return window->property("started").toBool(); }))
        return nullptr;
    return window;
}

QObject* ViewHarness::load(const QString& path, const QVariantMap& properties)
{
    clearLoaded();
    const QUrl url = path.contains(QLatin1Char(':')) ? QUrl(path) : QUrl(ModuleRoot + path);
    QQmlComponent component(&m_app->engine(), url);
    return show(component.isError() ? nullptr : component.createWithInitialProperties(properties), properties);
}

QObject* ViewHarness::loadData(const QByteArray& qml, const QVariantMap& properties)
{
    clearLoaded();
    QQmlComponent component(&m_app->engine());
    component.setData(qml, QUrl(QStringLiteral("qrc:/scene/Scene.qml")));
    return show(component.isError() ? nullptr : component.createWithInitialProperties(properties), properties);
}

QObject* ViewHarness::show(QObject* created, const QVariantMap& properties)
{
    if (!created) {
        recordedOffences.append(QStringLiteral("The QML file could not be created"));
        if (QTest::currentTestFunction())
            QTest::qFail("The QML file could not be created", __FILE__, __LINE__);
        return nullptr;
    }
    m_loaded = created;
    if (auto* ownWindow = qobject_cast<QQuickWindow*>(created)) {
        ownWindow->show();
        return QTest::qWaitForWindowExposed(ownWindow) ? created : nullptr;
    }
    if (!m_window) {
        // Mirrored in right-to-left languages, as the program's window is.
        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nWindow {\n    color: 'white'\n"
                          "    LayoutMirroring.enabled: localeService.isRightToLeft\n"
                          "    LayoutMirroring.childrenInherit: true\n}",
                          QUrl(QStringLiteral("qrc:/scene/HarnessWindow.qml")));
        m_window.reset(qobject_cast<QQuickWindow*>(component.create()));
        m_window->setMinimumSize(m_options.windowSize);
        m_window->setMaximumSize(m_options.windowSize);
        m_window->resize(m_options.windowSize);
    }
    if (auto* item = qobject_cast<QQuickItem*>(created)) {
        item->setParentItem(m_window->contentItem());
        if (!properties.contains(QStringLiteral("width")) && !properties.contains(QStringLiteral("height")))
            item->setSize(QSizeF(m_window->size()));
    } else {
        created->setProperty("parent", QVariant::fromValue(m_window->contentItem()));
    }
    m_window->show();
    m_window->requestActivate();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    return created;
}

void ViewHarness::clearLoaded()
{
    if (!m_loaded)
        return;
    if (m_app->engine().rootObjects().contains(m_loaded))
        return; // main.qml lives as long as the engine
    delete m_loaded;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QObject* ViewHarness::loaded() const
{
    return m_loaded;
}

QQuickWindow* ViewHarness::window() const
{
    return m_window.get();
}

QList<QQuickWindow*> ViewHarness::shownWindows() const
{
    QList<QQuickWindow*> windows;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (auto* quick = qobject_cast<QQuickWindow*>(window); quick && quick->isVisible())
            windows.append(quick);
    }
    // The program's window lies inside the native main window, so it is no top-level window.
    for (QObject* root : m_app->engine().rootObjects()) {
        if (auto* quick = qobject_cast<QQuickWindow*>(root); quick && quick->isVisible() && !windows.contains(quick))
            windows.append(quick);
    }
    return windows;
}

QQuickItem* ViewHarness::findByName(const QString& objectName) const
{
    for (QQuickWindow* window : shownWindows()) {
        for (QQuickItem* item : visibleItems(window->contentItem())) {
            if (item->objectName() == objectName)
                return item;
        }
    }
    return nullptr;
}

QQuickItem* ViewHarness::findByText(const QString& text) const
{
    for (QQuickWindow* window : shownWindows()) {
        for (QQuickItem* item : visibleItems(window->contentItem())) {
            const QVariant value = item->property("text");
            if (value.isValid() && value.toString() == text)
                return item;
        }
    }
    return nullptr;
}

QQuickItem* ViewHarness::find(const QString& nameOrText) const
{
    QQuickItem* item = findByName(nameOrText);
    return item ? item : findByText(nameOrText);
}

QList<QObject*> ViewHarness::openPopups() const
{
    QList<QObject*> popups;
    const auto collect = [&popups](QObject* root) {
        if (!root)
            return;
        QList<QObject*> candidates = root->findChildren<QObject*>();
        candidates.prepend(root);
        for (QObject* candidate : candidates) {
            if (candidate->inherits("QQuickPopup") && candidate->property("opened").toBool()
                && !popups.contains(candidate))
                popups.append(candidate);
        }
    };
    collect(m_loaded);
    // A pop-up belongs to the object tree of its window, not always to that of its content item.
    for (QQuickWindow* window : shownWindows())
        collect(window);
    return popups;
}

QObject* ViewHarness::findPopup(const QString& objectName) const
{
    for (QObject* popup : openPopups()) {
        if (popup->objectName() == objectName)
            return popup;
    }
    return nullptr;
}

QList<QQuickWindow*> ViewHarness::dialogs() const
{
    QList<QQuickWindow*> windows = shownWindows();
    windows.removeAll(m_window.get());
    for (QObject* root : m_app->engine().rootObjects())
        windows.removeAll(qobject_cast<QQuickWindow*>(root));
    return windows;
}

bool ViewHarness::clickAt(QQuickItem* item, QPointF position, Qt::MouseButton button) const
{
    if (!item || !item->isVisible() || !item->window())
        return false;
    QTest::mouseClick(item->window(), button, Qt::NoModifier, scenePoint(item, position));
    return true;
}

bool ViewHarness::click(QQuickItem* item, Qt::MouseButton button) const
{
    return item && clickAt(item, QPointF(item->width() / 2, item->height() / 2), button);
}

bool ViewHarness::rightClick(QQuickItem* item) const
{
    return click(item, Qt::RightButton);
}

bool ViewHarness::doubleClick(QQuickItem* item) const
{
    if (!item || !item->isVisible() || !item->window())
        return false;
    const QPoint point = scenePoint(item, QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(item->window(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(item->window(), Qt::LeftButton, Qt::NoModifier, point);
    return true;
}

bool ViewHarness::press(QQuickItem* item) const
{
    if (!item || !item->isVisible() || !item->window())
        return false;
    QTest::mousePress(item->window(), Qt::LeftButton, Qt::NoModifier,
                      scenePoint(item, QPointF(item->width() / 2, item->height() / 2)));
    return true;
}

bool ViewHarness::release(QQuickItem* item) const
{
    if (!item || !item->window())
        return false;
    QTest::mouseRelease(item->window(), Qt::LeftButton, Qt::NoModifier,
                        scenePoint(item, QPointF(item->width() / 2, item->height() / 2)));
    return true;
}

bool ViewHarness::pressAndHold(QQuickItem* item, int milliseconds) const
{
    if (!press(item))
        return false;
    QTest::qWait(milliseconds);
    return release(item);
}

QQuickWindow* ViewHarness::focusWindow() const
{
    if (auto* focused = qobject_cast<QQuickWindow*>(QGuiApplication::focusWindow()))
        return focused;
    return m_window ? m_window.get() : shownWindows().value(0);
}

void ViewHarness::drag(QQuickItem* item, QPointF from, QPointF to)
{
    QQuickWindow* window = item->window();
    const QPoint start = item->mapToScene(from).toPoint();
    const QPoint end = item->mapToScene(to).toPoint();
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(window, start + (end - start) * step / 4);
    QTest::mouseRelease(window, Qt::LeftButton, {}, end);
}

void ViewHarness::setPhoneLayout(bool phone)
{
    evaluate(QStringLiteral("platformService.overwriteDisplay = %1").arg(phone ? 1 : 0));
    core::WindowLayout::instance()->setWindowSize(phone ? QSize(405, 878) : QSize(1280, 800));
}

bool ViewHarness::waitForFrame(QQuickWindow* window)
{
    bool swapped = false;
    const QMetaObject::Connection connection =
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
    window->update();
    const bool drawn = waitFor([&swapped] { return swapped; });
    QObject::disconnect(connection);
    return drawn;
}

bool ViewHarness::choose(QQuickItem* box, int row) const
{
    if (!box || row < 0 || !click(box))
        return false;
    auto* popup = box->property("popup").value<QObject*>();
    if (!popup || !waitFor([popup] { return popup->property("opened").toBool(); }))
        return false;
    auto* list = popup->property("contentItem").value<QQuickItem*>();
    if (!list || !QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 0)))
        return false;
    QQuickItem* entry = nullptr;
    const bool shown = waitFor([&] {
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, entry), Q_ARG(int, row));
        return entry && entry->isVisible();
    });
    // A click before the open list has been drawn once can miss its entry.
    return shown && waitForFrame(entry->window()) && click(entry)
           && waitFor([popup] { return !popup->property("visible").toBool(); })
           && box->property("currentIndex").toInt() == row;
}

bool ViewHarness::typeText(QQuickItem* item, const QString& text) const
{
    if (!item || !item->isVisible() || !item->window())
        return false;
    // Keys sent before the window is active can go to the window that still is.
    item->window()->requestActivate();
    if (!QTest::qWaitForWindowActive(item->window(), 1000))
        return false;
    item->forceActiveFocus();
    for (const QChar character : text) {
        // ASCII keys carry their key code; every other character travels as text alone.
        const Qt::Key code = character.unicode() < 128 ? Qt::Key(character.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, item->window(), code, QString(character), Qt::NoModifier);
    }
    return true;
}

void ViewHarness::key(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    if (QQuickWindow* window = focusWindow())
        QTest::keyClick(window, key, modifiers);
}

QString ViewHarness::text(const QQuickItem* item)
{
    return item ? item->property("text").toString() : QString();
}

bool ViewHarness::waitFor(const std::function<bool()>& condition, int timeout)
{
    return QTest::qWaitFor(condition, timeout);
}

bool ViewHarness::triggerMenuAction(const QString& text) const
{
    const core::CustomQMainWindow* main = core::WindowLayout::instance()->mainWindow();
    if (!main)
        return false;
    for (QAction* action : menuActions(main->menuBar()->actions())) {
        if (!action->menu() && (action->text() == text || withoutMnemonic(action->text()) == text)) {
            if (!action->isEnabled() || !action->isVisible())
                return false;
            action->trigger();
            return true;
        }
    }
    return false;
}

QStringList ViewHarness::menuActionTexts() const
{
    QStringList texts;
    if (const core::CustomQMainWindow* main = core::WindowLayout::instance()->mainWindow()) {
        for (const QAction* action : menuActions(main->menuBar()->actions()))
            texts.append(action->text());
    }
    return texts;
}

QVariant ViewHarness::evaluate(const QString& expression)
{
    if (!m_scope) {
        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nimport Tarvino\nQtObject {}", QUrl(QStringLiteral("qrc:/scene/Scope.qml")));
        m_scope.reset(component.create());
    }
    QQmlExpression evaluated(qmlContext(m_scope.get()), m_scope.get(), expression);
    const QVariant result = evaluated.evaluate();
    if (evaluated.hasError())
        QTest::qFail(qPrintable(evaluated.error().toString()), __FILE__, __LINE__);
    return result;
}

QStringList ViewHarness::offences() const
{
    return recordedOffences;
}
