#include "worldmapitem.h"

#include <QPainter>
#include <QQuickWindow>

#include <cmath>

namespace {

// Longitude in -180 ... +180 (exclusive).
double wrapped(double longitude)
{
    const double w = std::fmod(longitude + 180.0, 360.0);
    return (w < 0 ? w + 360.0 : w) - 180.0;
}

QString localPath(const QUrl& url)
{
    if (url.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + url.path();
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace

WorldMapItem::WorldMapItem(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
}

void WorldMapItem::setSource(const QUrl& source)
{
    if (source == m_source)
        return;
    m_source = source;
    m_renderer.load(localPath(source));
    m_worldBox = m_renderer.viewBoxF();
    m_cache = QImage();
    emit sourceChanged();
    update();
}

void WorldMapItem::setCenterLatitude(double latitude)
{
    moveCenter(latitude, m_centerLongitude);
}

void WorldMapItem::setCenterLongitude(double longitude)
{
    moveCenter(m_centerLatitude, longitude);
}

void WorldMapItem::setZoom(double zoom)
{
    zoom = qBound(MinimumZoom, zoom, MaximumZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    emit zoomChanged();
    moveCenter(m_centerLatitude, m_centerLongitude);
    update();
}

void WorldMapItem::setPanning(bool panning)
{
    if (panning == m_panning)
        return;
    m_panning = panning;
    emit panningChanged();
    update();
}

QPointF WorldMapItem::pointAt(double latitude, double longitude) const
{
    const double scale = pixelsPerDegree();
    return {width() / 2 + wrapped(longitude - m_centerLongitude) * scale,
            height() / 2 - (latitude - m_centerLatitude) * scale};
}

QVariantMap WorldMapItem::coordinateAt(const QPointF& point) const
{
    const double scale = pixelsPerDegree();
    const double latitude = m_centerLatitude - (point.y() - height() / 2) / scale;
    return {{QStringLiteral("latitude"), qBound(-90.0, latitude, 90.0)},
            {QStringLiteral("longitude"), wrapped(m_centerLongitude + (point.x() - width() / 2) / scale)}};
}

void WorldMapItem::zoomAt(const QPointF& point, double factor)
{
    const QPointF fromCenter = point - QPointF(width() / 2, height() / 2);
    const double before = pixelsPerDegree();
    const double latitude = m_centerLatitude - fromCenter.y() / before;
    const double longitude = m_centerLongitude + fromCenter.x() / before;
    setZoom(m_zoom * factor);
    const double after = pixelsPerDegree();
    moveCenter(latitude + fromCenter.y() / after, longitude - fromCenter.x() / after);
}

void WorldMapItem::panBy(double dx, double dy)
{
    const double scale = pixelsPerDegree();
    moveCenter(m_centerLatitude + dy / scale, m_centerLongitude - dx / scale);
}

void WorldMapItem::paint(QPainter* painter)
{
    if (cacheStale())
        renderCache();
    const QPointF cacheCenter = pointAt(m_cacheView.latitude, m_cacheView.longitude);
    painter->drawImage(cacheCenter - QPointF(width() / 2, height() / 2), m_cache);
}

void WorldMapItem::renderCache()
{
    m_cacheView = currentView();
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    m_cache = QImage((size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_cache.setDevicePixelRatio(ratio);
    m_cache.fill(Qt::transparent);
    if (!m_renderer.isValid() || m_cache.isNull())
        return;
    // The world copies the view reaches: more than one near the antimeridian or zoomed out.
    const double halfWidth = width() / 2 / pixelsPerDegree();
    const int west = int(std::floor((m_centerLongitude - halfWidth + 180) / 360));
    const int east = int(std::floor((m_centerLongitude + halfWidth + 180) / 360));
    QPainter painter(&m_cache);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int copy = west; copy <= east; ++copy) {
        m_renderer.setViewBox(visibleBox(-360.0 * copy));
        m_renderer.render(&painter, QRectF(QPointF(), size()));
    }
}

void WorldMapItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    moveCenter(m_centerLatitude, m_centerLongitude);
    update();
}

WorldMapItem::View WorldMapItem::currentView() const
{
    return {m_centerLatitude, m_centerLongitude, m_zoom, size()};
}

double WorldMapItem::pixelsPerDegree() const
{
    // At zoom 1 the world fills the item in one direction at least.
    return m_zoom * std::max({width() / 360.0, height() / 180.0, 1e-9});
}

double WorldMapItem::clampedLatitude(double latitude) const
{
    const double halfHeight = height() / 2 / pixelsPerDegree();
    if (halfHeight >= 90)
        return 0;
    return qBound(-90 + halfHeight, latitude, 90 - halfHeight);
}

void WorldMapItem::moveCenter(double latitude, double longitude)
{
    latitude = clampedLatitude(latitude);
    longitude = wrapped(longitude);
    const bool latitudeMoved = latitude != m_centerLatitude;
    const bool longitudeMoved = longitude != m_centerLongitude;
    m_centerLatitude = latitude;
    m_centerLongitude = longitude;
    if (latitudeMoved)
        emit centerLatitudeChanged();
    if (longitudeMoved)
        emit centerLongitudeChanged();
    if (latitudeMoved || longitudeMoved)
        update();
}

bool WorldMapItem::cacheStale() const
{
    if (m_cache.isNull() || m_cacheView.zoom != m_zoom || m_cacheView.size != size())
        return true;
    return !m_panning && m_cacheView != currentView();
}

QRectF WorldMapItem::visibleBox(double shift) const
{
    const double scale = pixelsPerDegree();
    const double unitsPerDegree = m_worldBox.width() / 360.0;
    const double west = m_centerLongitude - width() / 2 / scale + 180 + shift;
    const double north = 90 - m_centerLatitude - height() / 2 / scale;
    return {m_worldBox.x() + west * unitsPerDegree, m_worldBox.y() + north * unitsPerDegree,
            width() / scale * unitsPerDegree, height() / scale * unitsPerDegree};
}
