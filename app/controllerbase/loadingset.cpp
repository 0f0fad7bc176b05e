#include "loadingset.h"

LoadingSet::LoadingSet(QObject* parent)
    : QObject(parent)
{
    s_current = this;
}

LoadingSet::~LoadingSet()
{
    if (s_current == this)
        s_current = nullptr;
}

void LoadingSet::add(const BaseController* controller)
{
    const bool wasReady = isReady();
    m_loading.insert(controller);
    if (wasReady)
        emit readyChanged();
}

void LoadingSet::remove(const BaseController* controller)
{
    if (!m_loading.remove(controller))
        return;
    if (isReady())
        emit readyChanged();
}
