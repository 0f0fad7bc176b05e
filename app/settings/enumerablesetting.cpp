#include "enumerablesetting.h"

#include <QCoreApplication>

#include <core/languageservice.h>

EnumerableSetting::EnumerableSetting(const QMetaEnum& enumeration, QObject* parent)
    : QAbstractListModel(parent)
    , m_enumeration(enumeration)
{
    if (core::LanguageService::hasInstance())
        connect(&core::LanguageService::instance(), &core::LanguageService::localeCodeChanged, this,
                &EnumerableSetting::localeChanged);
}

int EnumerableSetting::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_enumeration.keyCount();
}

QVariant EnumerableSetting::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= m_enumeration.keyCount())
        return QVariant();
    switch (role) {
    case NameRole:
        return QString::fromLatin1(m_enumeration.key(row));
    case TextRole:
        return entryText(m_enumeration.value(row));
    case ValueRole:
        return m_enumeration.value(row);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> EnumerableSetting::roleNames() const
{
    return {{NameRole, "name"}, {TextRole, "text"}, {ValueRole, "value"}};
}

int EnumerableSetting::selectedIndex() const
{
    return m_selectedIndex;
}

int EnumerableSetting::value() const
{
    return m_selectedIndex < 0 ? -1 : m_enumeration.value(m_selectedIndex);
}

void EnumerableSetting::setSelectedIndex(int selectedIndex)
{
    changeSelection(selectedIndex >= 0 && selectedIndex < m_enumeration.keyCount() ? selectedIndex : -1);
}

void EnumerableSetting::selectValue(int value)
{
    int row = m_enumeration.keyCount() - 1;
    while (row >= 0 && m_enumeration.value(row) != value)
        --row;
    changeSelection(row);
}

void EnumerableSetting::changeSelection(int selectedIndex)
{
    if (selectedIndex == m_selectedIndex)
        return;
    m_selectedIndex = selectedIndex;
    emit selectedIndexChanged(m_selectedIndex);
    emit valueChanged();
}

QString EnumerableSetting::tableText(const char* context, std::span<const char* const> texts, int firstValue,
                                     int value)
{
    const qsizetype position = qsizetype(value) - firstValue;
    if (position < 0 || position >= qsizetype(texts.size()))
        return QString();
    return QCoreApplication::translate(context, texts[position]);
}

// A combo box bound to the model drops its selection and takes it again, so it shows the text
// in the new language.
void EnumerableSetting::localeChanged()
{
    const int saved = m_selectedIndex;
    changeSelection(-1);
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
    changeSelection(saved);
}
