#pragma once

#include <QObject>

// Base of the view controllers whose data arrives later. While a controller loads, the main
// controller counts the program as busy; the views wait for mainController.ready.
//
// loadingStart() and loadingEnd() are reached by name (QMetaObject::invokeMethod) around an
// asynchronous load: loadingStart() before it begins, loadingEnd() when the data is there.
class BaseController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    explicit BaseController(QObject* parent = nullptr);
    ~BaseController() override;

    // Whether this controller is idle.
    bool isReady() const { return !m_loading; }

signals:
    void readyChanged();

protected:
    // Runs when loading ends, before the program counts as ready again.
    virtual void onLoaded();

private slots:
    void loadingStart();
    void loadingEnd();

private:
    bool m_loading = false;
};
