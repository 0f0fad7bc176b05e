#include "basecontroller.h"

#include "maincontroller.h"

BaseController::BaseController(QObject* parent)
    : QObject(parent)
{
}

BaseController::~BaseController()
{
    // A controller destroyed while loading must not keep the program busy.
    if (!MainController::isShuttingDown())
        MainController::unregisterLoading(this);
}

void BaseController::onLoaded()
{
}

void BaseController::loadingStart()
{
    m_loading = true;
    MainController::registerLoading(this);
    emit readyChanged();
}

void BaseController::loadingEnd()
{
    onLoaded();
    m_loading = false;
    MainController::unregisterLoading(this);
    emit readyChanged();
}
