#pragma once

#include <QAbstractListModel>
#include <QMetaEnum>
#include <span>

// The values of one enumeration as a list model (key name, translated text, value) with a
// selected row. The texts follow the interface language.
class EnumerableSetting : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int value READ value NOTIFY valueChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)

public:
    enum Roles { NameRole = Qt::UserRole + 1, TextRole, ValueRole };

    EnumerableSetting(const QMetaEnum& enumeration, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The translated text of a value; empty for a value without one.
    virtual QString entryText(int value) const = 0;

    int selectedIndex() const;
    // The value of the selected row, -1 when none is selected.
    int value() const;

public slots:
    // A row outside the list selects none (-1).
    void setSelectedIndex(int selectedIndex);

signals:
    void selectedIndexChanged(int selectedIndex);
    void valueChanged();

protected:
    // Selects the row that holds value; none (-1) when no row does.
    void selectValue(int value);

    // The text of value in a table whose first entry belongs to firstValue.
    static QString tableText(const char* context, std::span<const char* const> texts, int firstValue, int value);

private slots:
    void localeChanged();

private:
    void changeSelection(int selectedIndex);

    QMetaEnum m_enumeration;
    int m_selectedIndex = 0;
};
