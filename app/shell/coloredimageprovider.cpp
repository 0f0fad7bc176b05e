#include "coloredimageprovider.h"

#include "tarvinologging.h"

#include <QPainter>
#include <QSvgRenderer>

ColoredImageProvider::ColoredImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage ColoredImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize)
{
    const qsizetype slash = id.indexOf(QLatin1Char('/'));
    const QColor color(QLatin1Char('#') + id.left(slash));
    QSvgRenderer renderer(QStringLiteral(":/") + id.mid(slash + 1));
    if (slash < 0 || !color.isValid() || !renderer.isValid()) {
        qCWarning(tarvinoLog) << "Cannot paint the picture" << id;
        return {};
    }
    QSize target = renderer.defaultSize();
    if (requestedSize.width() > 0 && requestedSize.height() > 0)
        target = target.scaled(requestedSize, Qt::KeepAspectRatio);
    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    // Keep the drawing's coverage, replace its colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    painter.end();
    if (size)
        *size = target;
    return image;
}
