#pragma once

#include <QObject>

#include <utils/singleton.h>

namespace core {

// Reports every mouse press and touch start on the watched objects, without taking the event
// away from its receiver, so QML can drop the focus of a field when the user presses elsewhere.
class EventService : public QObject, public utils::Singleton<EventService> {
    Q_OBJECT

public:
    explicit EventService(QObject* parent = nullptr);

    inline static EventService* m_instance = nullptr;

    Q_INVOKABLE void listenTo(QObject* object);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void mousePressed(int x, int y);
};

} // namespace core
