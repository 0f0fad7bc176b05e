#pragma once

#include <QObject>

class QScreen;

// Follows the orientation of a screen for the views: 1 landscape, 0 portrait. Width and height
// are those of the screen held in landscape.
class ScreenWatcher : public QObject {
    Q_OBJECT
    Q_PROPERTY(int screenOrientation READ screenOrientation WRITE setScreenOrientation NOTIFY orientationChanged)
    Q_PROPERTY(int width READ width CONSTANT)
    Q_PROPERTY(int height READ height CONSTANT)

public:
    explicit ScreenWatcher(QScreen* screen);

    int screenOrientation() const;
    void setScreenOrientation(int orientation);
    int width() const;
    int height() const;

public slots:
    // Reports every orientation change of the screen, even one that keeps the value.
    void onOrientationChanged(Qt::ScreenOrientation orientation);

signals:
    void orientationChanged(int orientation);

private:
    int m_screenOrientation = 0;
    int m_width = 0;
    int m_height = 0;
};
