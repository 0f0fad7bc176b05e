#include "extensioniconstyle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOption>

namespace core {

namespace {

enum class Pointing { Right, Left, Down };

// The size and shade of the base style's own extension icons, so that nothing looks different.
constexpr QSize ChevronsSize(16, 10);
const QColor ChevronsColor(0x33, 0x34, 0x35);

// Two chevrons pointing right, in a box of ChevronsSize.
QPainterPath rightChevrons()
{
    QPainterPath path;
    for (const qreal left : {4.0, 11.0}) {
        path.moveTo(left, 0.8);
        path.lineTo(left + 3.4, 5.0);
        path.lineTo(left, 9.2);
    }
    return path;
}

QPixmap chevronsPixmap(Pointing pointing, int scale)
{
    const QSize size = pointing == Pointing::Down ? ChevronsSize.transposed() : ChevronsSize;
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    if (pointing == Pointing::Left) {
        painter.translate(ChevronsSize.width(), 0);
        painter.scale(-1, 1);
    } else if (pointing == Pointing::Down) {
        painter.translate(ChevronsSize.height(), 0);
        painter.rotate(90);
    }
    painter.setPen(QPen(ChevronsColor, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(rightChevrons());
    return pixmap;
}

// Plain pixmaps of one and two times the size, as the base style's files come.
QIcon chevronsIcon(Pointing pointing)
{
    QIcon icon;
    for (const int scale : {1, 2})
        icon.addPixmap(chevronsPixmap(pointing, scale));
    return icon;
}

} // namespace

ExtensionIconStyle::ExtensionIconStyle(const QString& baseStyleKey)
    : QProxyStyle(baseStyleKey)
{
}

QIcon ExtensionIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                       const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarVerticalExtensionButton)
        return chevronsIcon(Pointing::Down);
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        return chevronsIcon(rightToLeft ? Pointing::Left : Pointing::Right);
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace core
