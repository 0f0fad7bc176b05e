#pragma once

#include <QObject>
#include <QSet>

class BaseController;

// The controllers that are loading right now; the program is ready while it is empty. Its owner
// (the main controller) makes it the current set; controllers made while no set is current load
// and unload without being tracked.
class LoadingSet : public QObject {
    Q_OBJECT

public:
    explicit LoadingSet(QObject* parent = nullptr);
    ~LoadingSet() override;

    // The set that view controllers report to, or null.
    static LoadingSet* current() { return s_current; }

    bool isReady() const { return m_loading.isEmpty(); }
    void add(const BaseController* controller);
    void remove(const BaseController* controller);

signals:
    void readyChanged();

private:
    inline static LoadingSet* s_current = nullptr;
    QSet<const BaseController*> m_loading;
};
