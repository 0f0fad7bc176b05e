#pragma once

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QQuickWindow>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;

namespace core {

class CustomQMainWindow;

// Puts the QML application window, frameless, into a native main window with the menu bar
// declared in QML, and ties dialog windows to that main window.
class WindowLayout : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    ~WindowLayout() override;

    inline static WindowLayout* m_instance = nullptr;

    // Created on first use; C++ owns it, so no QML engine ever deletes it.
    static WindowLayout* instance();
    static WindowLayout* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    Q_INVOKABLE void setupLayout(QWindow* applicationWindow, const QJSValue& closingCallback);
    Q_INVOKABLE void registerDialog(QQuickWindow* window);
    // Gives the keyboard back to the main window once a dialog window has closed.
    Q_INVOKABLE void returnFocus();
    Q_INVOKABLE void alert();
    Q_INVOKABLE void setWindowSize(QSize size);

    CustomQMainWindow* mainWindow() const;

    // The container keeps this much of the window height for the native menu and frame.
    static constexpr int ReservedHeight = 139;

private:
    WindowLayout() = default;
    void activate();

    QPointer<CustomQMainWindow> m_mainWindow;
    QPointer<QWindow> m_applicationWindow;
};

} // namespace core
