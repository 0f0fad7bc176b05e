#include "menu.h"

#include <QMenuBar>

namespace core {

Menu::Menu()
{
    connect(&m_menu, &QMenu::aboutToShow, this, &Menu::aboutToShow);
}

void Menu::addToMenu(QMenu* menu)
{
    menu->addMenu(&m_menu);
}

void Menu::addToMenuBar(QMenuBar* bar)
{
    bar->addMenu(&m_menu);
}

QString Menu::title() const
{
    return m_menu.title();
}

bool Menu::enabled() const
{
    return m_menu.isEnabled();
}

QMenu* Menu::nativeMenu()
{
    return &m_menu;
}

void Menu::setTitle(const QString& title)
{
    if (title == m_menu.title())
        return;
    m_menu.setTitle(title);
    emit titleChanged();
}

void Menu::setEnabled(bool enabled)
{
    if (enabled == m_menu.isEnabled())
        return;
    m_menu.setEnabled(enabled);
    emit enabledChanged();
}

QQmlListProperty<AbstractMenuItem> Menu::items()
{
    // Replace and remove-last fall back to clear and append.
    return QQmlListProperty<AbstractMenuItem>(this, &m_items, &Menu::appendItem, &Menu::itemCount, &Menu::itemAt,
                                              &Menu::clearItems);
}

void Menu::appendItem(QQmlListProperty<AbstractMenuItem>* list, AbstractMenuItem* item)
{
    auto* menu = static_cast<Menu*>(list->object);
    if (!item)
        return;
    menu->m_items.append(item);
    item->addToMenu(&menu->m_menu);
    emit menu->itemsChanged();
}

qsizetype Menu::itemCount(QQmlListProperty<AbstractMenuItem>* list)
{
    return static_cast<Menu*>(list->object)->m_items.size();
}

AbstractMenuItem* Menu::itemAt(QQmlListProperty<AbstractMenuItem>* list, qsizetype index)
{
    return static_cast<Menu*>(list->object)->m_items.value(index);
}

void Menu::clearItems(QQmlListProperty<AbstractMenuItem>* list)
{
    auto* menu = static_cast<Menu*>(list->object);
    menu->m_menu.clear();
    menu->m_items.clear();
    emit menu->itemsChanged();
}

} // namespace core
