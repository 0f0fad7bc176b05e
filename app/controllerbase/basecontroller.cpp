#include "basecontroller.h"

#include "loadingset.h"

BaseController::BaseController(QObject* parent)
    : QObject(parent)
{
}

BaseController::~BaseController()
{
    // A controller destroyed while loading must not keep the program busy.
    if (LoadingSet* set = LoadingSet::current())
        set->remove(this);
}

void BaseController::onLoaded()
{
}

void BaseController::loadingStart()
{
    m_loading = true;
    if (LoadingSet* set = LoadingSet::current())
        set->add(this);
    emit readyChanged();
}

void BaseController::loadingEnd()
{
    onLoaded();
    m_loading = false;
    if (LoadingSet* set = LoadingSet::current())
        set->remove(this);
    emit readyChanged();
}
