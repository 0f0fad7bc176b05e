#include "windowlayout.h"

#include "corelogging.h"
#include "customqmainwindow.h"
#include "extensioniconstyle.h"
#include "menu.h"

#include <QApplication>
#include <QJSEngine>
#include <QMenuBar>
#include <QQmlListReference>
#include <QQuickWindow>
#include <QStyle>

namespace core {

namespace {

// Before the first widget: the menu bar asks the style for its extension icon when it is made.
void useExtensionIconStyle()
{
    if (!qobject_cast<ExtensionIconStyle*>(QApplication::style()))
        QApplication::setStyle(new ExtensionIconStyle(QApplication::style()->name()));
}

// The window's "menus" property, declared in QML as a list property or as a JS array.
QList<QObject*> menuEntries(QObject* window)
{
    QList<QObject*> entries;
    const QQmlListReference list(window, "menus");
    if (list.isValid()) {
        for (qsizetype i = 0; i < list.count(); ++i)
            entries.append(list.at(i));
        return entries;
    }
    QVariant value = window->property("menus");
    if (value.metaType() == QMetaType::fromType<QJSValue>())
        value = value.value<QJSValue>().toVariant();
    const QVariantList items = value.toList();
    for (const QVariant& item : items)
        entries.append(item.value<QObject*>());
    return entries;
}

// The central container must not hold the window wider or taller than the size it is given.
QSize containerMinimum(QSize windowSize)
{
    return QSize(windowSize.width(), qMax(0, windowSize.height() - WindowLayout::ReservedHeight));
}

} // namespace

WindowLayout::~WindowLayout()
{
    delete m_mainWindow;
    if (m_instance == this)
        m_instance = nullptr;
}

WindowLayout* WindowLayout::instance()
{
    if (!m_instance)
        m_instance = new WindowLayout;
    return m_instance;
}

WindowLayout* WindowLayout::create(QQmlEngine* /*engine*/, QJSEngine* /*scriptEngine*/)
{
    WindowLayout* layout = instance();
    QJSEngine::setObjectOwnership(layout, QJSEngine::CppOwnership);
    return layout;
}

void WindowLayout::setupLayout(QWindow* applicationWindow, const QJSValue& closingCallback)
{
    if (!applicationWindow)
        return;
    if (m_mainWindow) {
        qCWarning(coreAppLog) << "The main window is set up already";
        return;
    }
    applicationWindow->setFlags(Qt::FramelessWindowHint);
    useExtensionIconStyle();
    QWidget* container = QWidget::createWindowContainer(applicationWindow);
    container->setMinimumSize(containerMinimum(applicationWindow->size()));

    m_mainWindow = new CustomQMainWindow(closingCallback);
    for (QObject* entry : menuEntries(applicationWindow)) {
        if (auto* menu = qobject_cast<Menu*>(entry))
            menu->addToMenuBar(m_mainWindow->menuBar());
    }
    m_mainWindow->setCentralWidget(container);
    m_mainWindow->setWindowTitle(applicationWindow->title());
    m_mainWindow->show();
    m_applicationWindow = applicationWindow;
    activate();
}

// The menus' shortcuts fire only while Qt counts the main window as active; the QML window,
// which holds the keyboard focus, is not a top-level window of its own and does not make it so.
// Without this, a key pressed in a view after the start or after a dialog closed reached the
// view, but no shortcut.
void WindowLayout::activate()
{
    if (!m_mainWindow || !m_applicationWindow)
        return;
    m_mainWindow->activateWindow();
    m_applicationWindow->requestActivate();
}

void WindowLayout::registerDialog(QQuickWindow* window)
{
    if (!window || !m_mainWindow || !m_mainWindow->windowHandle())
        return;
    if (QWindow* parent = window->transientParent())
        connect(parent, &QObject::destroyed, window, &QWindow::close);
    else
        window->setTransientParent(m_mainWindow->windowHandle());
}

void WindowLayout::returnFocus()
{
    // Queued: the window system hands the focus on only once the dialog is gone.
    QMetaObject::invokeMethod(this, &WindowLayout::activate, Qt::QueuedConnection);
}

void WindowLayout::alert()
{
    if (m_mainWindow)
        QApplication::alert(m_mainWindow, 5000);
}

void WindowLayout::setWindowSize(QSize size)
{
    if (!m_mainWindow)
        return;
    if (QWidget* container = m_mainWindow->centralWidget())
        container->setMinimumSize(containerMinimum(size));
    m_mainWindow->setMinimumSize(size);
    m_mainWindow->resize(size);
}

CustomQMainWindow* WindowLayout::mainWindow() const
{
    return m_mainWindow;
}

} // namespace core
