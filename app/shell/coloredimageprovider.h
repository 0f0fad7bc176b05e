#pragma once

#include <QQuickImageProvider>

// Paints the program's line drawings in one colour, the same with every scene-graph backend:
// "image://colored/<hex colour>/<resource path>", for example
// "image://colored/144a81/icons/plus.svg" for ":/icons/plus.svg" in the primary colour.
class ColoredImageProvider : public QQuickImageProvider {
public:
    static constexpr const char* Name = "colored";

    ColoredImageProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};
