#include "screenwatcher.h"

#include <QScreen>

namespace {

bool isLandscape(Qt::ScreenOrientation orientation)
{
    return orientation == Qt::LandscapeOrientation || orientation == Qt::InvertedLandscapeOrientation;
}

} // namespace

ScreenWatcher::ScreenWatcher(QScreen* screen)
{
    if (!screen)
        return;
    const QSize size = screen->size();
    const bool landscape = isLandscape(screen->primaryOrientation());
    m_screenOrientation = landscape ? 1 : 0;
    m_width = landscape ? size.width() : size.height();
    m_height = landscape ? size.height() : size.width();
    connect(screen, &QScreen::primaryOrientationChanged, this, &ScreenWatcher::onOrientationChanged);
}

int ScreenWatcher::screenOrientation() const
{
    return m_screenOrientation;
}

void ScreenWatcher::setScreenOrientation(int orientation)
{
    if (orientation == m_screenOrientation)
        return;
    m_screenOrientation = orientation;
    emit orientationChanged(m_screenOrientation);
}

int ScreenWatcher::width() const
{
    return m_width;
}

int ScreenWatcher::height() const
{
    return m_height;
}

void ScreenWatcher::onOrientationChanged(Qt::ScreenOrientation orientation)
{
    m_screenOrientation = isLandscape(orientation) ? 1 : 0;
    emit orientationChanged(m_screenOrientation);
}
