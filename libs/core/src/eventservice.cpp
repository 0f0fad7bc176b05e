#include "eventservice.h"

#include <QMouseEvent>
#include <QTouchEvent>

namespace core {

EventService::EventService(QObject* parent)
    : QObject(parent)
{
}

void EventService::listenTo(QObject* object)
{
    if (object)
        object->installEventFilter(this);
}

bool EventService::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (!touch->points().isEmpty()) {
            const QPointF position = touch->points().constFirst().position();
            emit mousePressed(int(position.x()), int(position.y()));
        }
        break;
    }
    case QEvent::MouseButtonPress: {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        emit mousePressed(position.x(), position.y());
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace core
