#pragma once

#include <QAction>
#include <QVariant>

#include <core/abstractmenuitem.h>

namespace core {

// A native menu action declared in QML.
class MenuItem : public AbstractMenuItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString icon READ icon WRITE setIcon NOTIFY iconChanged)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(QVariant shortcut READ shortcut WRITE setShortcut NOTIFY shortcutChanged)
    Q_PROPERTY(bool visible READ visible WRITE setVisible NOTIFY visibleChanged)

public:
    MenuItem();

    void addToMenu(QMenu* menu) override;

    QString title() const;
    QString icon() const;
    bool enabled() const;
    QVariant shortcut() const;
    bool visible() const;
    QAction* action();

public slots:
    void trigger();
    void setTitle(const QString& title);
    void setIcon(const QString& path);
    void setEnabled(bool enabled);
    void setShortcut(const QVariant& value);
    void setVisible(bool visible);

signals:
    void triggered();
    void titleChanged();
    void iconChanged();
    void enabledChanged();
    void shortcutChanged();
    void visibleChanged();

private:
    QAction m_action;
    QString m_icon;
};

} // namespace core
