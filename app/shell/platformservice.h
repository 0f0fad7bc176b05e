#pragma once

#include <QObject>
#include <QSize>

#include <utils/singleton.h>

// What differs between the platforms the views run on: the notification preferences, the
// debug overrides that let a desktop user preview the phone or tablet layout, and the window
// size that follows from them. On the desktop a notification is the system beep and a vibration
// flashes the main window's task-bar entry.
class PlatformService : public QObject, public utils::Singleton<PlatformService> {
    Q_OBJECT
    Q_PROPERTY(bool canVibrate READ canVibrate CONSTANT)
    Q_PROPERTY(bool canNotify READ canNotify CONSTANT)
    Q_PROPERTY(bool vibrateEnabled READ vibrateEnabled WRITE setVibrateEnabled NOTIFY vibrateEnabledChanged)
    Q_PROPERTY(bool notifyEnabled READ notifyEnabled WRITE setNotifyEnabled NOTIFY notifyEnabledChanged)
    Q_PROPERTY(OverwriteDisplayPlatform overwriteDisplay READ overwriteDisplay WRITE setOverwriteDisplay NOTIFY
                   overwriteDisplayChanged)
    Q_PROPERTY(OverwriteScreenOrientation overwriteOrientation READ overwriteOrientation WRITE setOverwriteOrientation
                   NOTIFY overwriteOrientationChanged)
    Q_PROPERTY(QSize defaultWindowSize READ defaultWindowSize NOTIFY defaultWindowSizeChanged)

public:
    // A fixed underlying type: QML may write any number, which the setters then refuse.
    enum OverwriteDisplayPlatform : int { DP_Desktop = 0, DP_Phone = 1, DP_Tablet = 2 };
    Q_ENUM(OverwriteDisplayPlatform)
    enum OverwriteScreenOrientation : int { SO_None = -1, SO_Portrait = 0, SO_Landscape = 1 };
    Q_ENUM(OverwriteScreenOrientation)

    inline static PlatformService* m_instance = nullptr;

    explicit PlatformService(QObject* parent = nullptr);
    ~PlatformService() override;

    static bool canVibrate() { return true; }
    static bool canNotify() { return true; }
    bool vibrateEnabled() const;
    bool notifyEnabled() const;
    OverwriteDisplayPlatform overwriteDisplay() const;
    OverwriteScreenOrientation overwriteOrientation() const;
    QSize defaultWindowSize() const;

    void setVibrateEnabled(bool enabled);
    void setNotifyEnabled(bool enabled);
    // Values outside the enumerations are ignored.
    void setOverwriteDisplay(OverwriteDisplayPlatform display);
    void setOverwriteOrientation(OverwriteScreenOrientation orientation);

    static QSize windowSizeFor(int display, int orientation);

public slots:
    void vibrateAndNotify();
    void vibrateOnly();
    void notifyOnly();

signals:
    void vibrateEnabledChanged(bool vibrateEnabled);
    void notifyEnabledChanged(bool notifyEnabled);
    // Reported by mobile platforms; the desktop program never emits them.
    void receivedOt2File(const QString& name, const QString& uri, const QByteArray& data);
    void locationServiceRequestResult(bool activated);
    void bluetoothPermissionResult(int status);
    void overwriteDisplayChanged();
    void overwriteOrientationChanged();
    void defaultWindowSizeChanged();

private:
    void computeDefaultWindowSize();
    void applyDefaultWindowSize();

    bool m_vibrateEnabled = true;
    bool m_notifyEnabled = true;
    int m_overwriteDisplay = DP_Desktop;
    int m_overwriteOrientation = SO_None;
    QSize m_defaultWindowSize;
};
