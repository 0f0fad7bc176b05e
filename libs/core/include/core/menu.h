#pragma once

#include <QList>
#include <QMenu>
#include <QQmlListProperty>

#include <core/abstractmenuitem.h>

class QMenuBar;

namespace core {

// A native menu declared in QML; its items appear in declaration order.
class Menu : public AbstractMenuItem {
    Q_OBJECT
    QML_ELEMENT
    Q_CLASSINFO("DefaultProperty", "items")
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(QQmlListProperty<core::AbstractMenuItem> items READ items NOTIFY itemsChanged)

public:
    Menu();

    void addToMenu(QMenu* menu) override;
    void addToMenuBar(QMenuBar* bar);

    QString title() const;
    bool enabled() const;
    QQmlListProperty<AbstractMenuItem> items();
    QMenu* nativeMenu();

public slots:
    void setTitle(const QString& title);
    void setEnabled(bool enabled);

signals:
    void titleChanged();
    void enabledChanged();
    void itemsChanged();
    void aboutToShow();

private:
    static void appendItem(QQmlListProperty<AbstractMenuItem>* list, AbstractMenuItem* item);
    static qsizetype itemCount(QQmlListProperty<AbstractMenuItem>* list);
    static AbstractMenuItem* itemAt(QQmlListProperty<AbstractMenuItem>* list, qsizetype index);
    static void clearItems(QQmlListProperty<AbstractMenuItem>* list);

    QMenu m_menu;
    QList<AbstractMenuItem*> m_items;
};

} // namespace core
