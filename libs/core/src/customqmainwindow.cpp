#include "customqmainwindow.h"

#include "corelogging.h"

#include <QCloseEvent>

namespace core {

CustomQMainWindow::CustomQMainWindow(const QJSValue& closingCallback)
{
    if (!closingCallback.isNull() && closingCallback.isCallable())
        m_closingCallback = std::make_unique<QJSValue>(closingCallback);
}

CustomQMainWindow::~CustomQMainWindow() = default;

void CustomQMainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closingCallback)
        return;
    const QJSValue result = m_closingCallback->call();
    // A failing callback must not skip the question about unsaved work: stay open.
    if (result.isError()) {
        qCWarning(coreAppLog).noquote() << "The closing callback failed:" << result.toString();
        event->ignore();
        return;
    }
    event->setAccepted(result.toBool());
}

} // namespace core
