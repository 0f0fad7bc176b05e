#include "menuitem.h"

#include <QMenu>

namespace core {

MenuItem::MenuItem()
{
    connect(&m_action, &QAction::triggered, this, &MenuItem::trigger);
}

void MenuItem::addToMenu(QMenu* menu)
{
    menu->addAction(&m_action);
}

QString MenuItem::title() const
{
    return m_action.text();
}

QString MenuItem::icon() const
{
    return m_icon;
}

bool MenuItem::enabled() const
{
    return m_action.isEnabled();
}

QVariant MenuItem::shortcut() const
{
    return m_action.shortcut().toString(QKeySequence::NativeText);
}

bool MenuItem::visible() const
{
    return m_action.isVisible();
}

QAction* MenuItem::action()
{
    return &m_action;
}

void MenuItem::trigger()
{
    emit triggered();
}

void MenuItem::setTitle(const QString& title)
{
    if (title == m_action.text())
        return;
    m_action.setText(title);
    emit titleChanged();
}

void MenuItem::setIcon(const QString& path)
{
    if (path == m_icon)
        return;
    m_icon = path;
    // QML hands resource URLs, QIcon wants resource paths.
    m_action.setIcon(QIcon(QString(path).replace(QLatin1String("qrc:/"), QLatin1String(":/"))));
    emit iconChanged();
}

void MenuItem::setEnabled(bool enabled)
{
    if (enabled == m_action.isEnabled())
        return;
    m_action.setEnabled(enabled);
    emit enabledChanged();
}

void MenuItem::setShortcut(const QVariant& value)
{
    const QKeySequence sequence = value.typeId() == QMetaType::Int
        ? QKeySequence(static_cast<QKeySequence::StandardKey>(value.toInt()))
        : QKeySequence::fromString(value.toString(), QKeySequence::PortableText);
    if (sequence == m_action.shortcut())
        return;
    m_action.setShortcut(sequence);
    emit shortcutChanged();
}

void MenuItem::setVisible(bool visible)
{
    if (visible == m_action.isVisible())
        return;
    m_action.setVisible(visible);
    emit visibleChanged();
}

} // namespace core
