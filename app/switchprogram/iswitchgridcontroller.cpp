#include "iswitchgridcontroller.h"

#include <QColor>
#include <QPainter>

void ISwitchGridController::CellModel::paint(QPainter* painter, qreal width, qreal height, bool, bool) {
    if (!selected)
        return;
    QColor overlay(20, 74, 129);
    overlay.setAlphaF(0.3f);
    painter->fillRect(QRectF(0, 0, width, height), overlay);
}
