#pragma once

#include <QJSValue>
#include <QMainWindow>
#include <memory>

namespace core {

// The native main window around the QML window; asks a QML function before it closes.
class CustomQMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit CustomQMainWindow(const QJSValue& closingCallback);
    ~CustomQMainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<QJSValue> m_closingCallback;
};

} // namespace core
