#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QSvgRenderer>
#include <QUrl>
#include <QVariantMap>

// A world map drawn from a plate carree SVG (left edge -180, top +90 degrees), centred on a
// coordinate and zoomed from the whole world (1) to 64 times. Only the visible part is drawn,
// into a cached picture; while the user pans, the picture is moved and drawn again when the move
// ends. The map repeats east and west.
class WorldMapItem : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(double centerLatitude READ centerLatitude WRITE setCenterLatitude NOTIFY centerLatitudeChanged)
    Q_PROPERTY(double centerLongitude READ centerLongitude WRITE setCenterLongitude NOTIFY centerLongitudeChanged)
    Q_PROPERTY(double zoom READ zoom WRITE setZoom NOTIFY zoomChanged)
    Q_PROPERTY(bool panning READ panning WRITE setPanning NOTIFY panningChanged)

public:
    static constexpr double MinimumZoom = 1;
    static constexpr double MaximumZoom = 64;

    explicit WorldMapItem(QQuickItem* parent = nullptr);

    QUrl source() const { return m_source; }
    void setSource(const QUrl& source);
    double centerLatitude() const { return m_centerLatitude; }
    void setCenterLatitude(double latitude);
    double centerLongitude() const { return m_centerLongitude; }
    void setCenterLongitude(double longitude);
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    bool panning() const { return m_panning; }
    void setPanning(bool panning);

    // Where a coordinate lies in the item; longitudes are taken on the copy nearest the centre.
    Q_INVOKABLE QPointF pointAt(double latitude, double longitude) const;
    // The coordinate under a point of the item: {"latitude", "longitude"}.
    Q_INVOKABLE QVariantMap coordinateAt(const QPointF& point) const;
    // Zooms by a factor and keeps the coordinate under the point where it is.
    Q_INVOKABLE void zoomAt(const QPointF& point, double factor);
    // Moves the map with the pointer by a distance in pixels.
    Q_INVOKABLE void panBy(double dx, double dy);

    void paint(QPainter* painter) override;
    // Draws the visible part into the cached picture now.
    void renderCache();

signals:
    void sourceChanged();
    void centerLatitudeChanged();
    void centerLongitudeChanged();
    void zoomChanged();
    void panningChanged();

protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    struct View {
        double latitude = 0;
        double longitude = 0;
        double zoom = 0;
        QSizeF size;
        bool operator==(const View&) const = default;
    };

    View currentView() const;
    double pixelsPerDegree() const;
    double clampedLatitude(double latitude) const;
    void moveCenter(double latitude, double longitude);
    bool cacheStale() const;
    QRectF visibleBox(double shift) const;

    QUrl m_source;
    QSvgRenderer m_renderer;
    QRectF m_worldBox;
    double m_centerLatitude = 0;
    double m_centerLongitude = 0;
    double m_zoom = MinimumZoom;
    bool m_panning = false;
    QImage m_cache;
    View m_cacheView;
};
