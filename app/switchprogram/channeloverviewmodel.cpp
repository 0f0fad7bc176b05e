#include "channeloverviewmodel.h"

namespace {

constexpr int ExtensionColumns = 4;
constexpr int FirstExtensionChannel = 5;

QString none() {
    return QStringLiteral("-");
}

} // namespace

ChannelOverviewModel::ChannelOverviewModel(int channelCount, bool extensionModule, QObject* parent)
    : QAbstractTableModel(parent)
    , m_roleNames{{Qt::DisplayRole, QByteArrayLiteral("display")}}
    , m_channelCount(channelCount)
    , m_extensionModule(extensionModule) {
    for (int row = 0; row < RowCount; ++row)
        m_rows.append(QList<int>(columnCount(), 0));
}

int ChannelOverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount;
}

int ChannelOverviewModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_channelCount + (m_extensionModule ? ExtensionColumns : 0);
}

QVariant ChannelOverviewModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= RowCount ||
        index.column() >= columnCount())
        return {};
    return text(index.row(), m_rows.at(index.row()).at(index.column()));
}

QVariant ChannelOverviewModel::text(int row, int value) const {
    switch (row) {
    case FunctionRow:
        if (value == 0)
            return trText("New project", "Zeitschaltprogramm");
        if (value == 1)
            return trText("New project", "Astroprogramm");
        if (value == SignalingFunction)
            return trText("Program settings", "Signalisierung");
        return none();
    case HolidayRow:
        return value == 1 || value == 2 ? trText("Generic", "Aktiv") : none();
    case ExternalInputRow:
        if (value == 1)
            return trText("Program settings", "Taster", "External input");
        if (value == 2)
            return trText("Program settings", "Schalter", "External input");
        return none();
    case SignalingRow:
        if (value == 0)
            return none();
        return (trText("Direct commands", "Kanal") + QStringLiteral(" %1")).arg(value);
    default:
        return value;
    }
}

QVariant ChannelOverviewModel::headerData(int section, Qt::Orientation, int role) const {
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
}

QHash<int, QByteArray> ChannelOverviewModel::roleNames() const {
    return m_roleNames;
}

int ChannelOverviewModel::columnOfChannel(int channelIndex) const {
    const int number = channelIndex + 1;
    if (m_extensionModule && number >= FirstExtensionChannel &&
        number < FirstExtensionChannel + ExtensionColumns)
        return m_channelCount + number - FirstExtensionChannel;
    return number >= 1 && number <= m_channelCount ? number - 1 : -1;
}

bool ChannelOverviewModel::isValidTarget(int channelNumber) const {
    return columnOfChannel(channelNumber - 1) >= 0;
}

void ChannelOverviewModel::set(Row row, int value, int column) {
    if (column >= 0 && column < columnCount())
        m_rows[row][column] = value;
}

void ChannelOverviewModel::setChannelFunction(int value, int column) {
    if (column >= 0 && column < columnCount() && m_rows.at(FunctionRow).at(column) != SignalingFunction)
        set(FunctionRow, value, column);
}

void ChannelOverviewModel::setMemoryUsed(int value, int column) {
    set(MemoryRow, value, column);
}

void ChannelOverviewModel::setExtraProgramUsed(int value, int column) {
    set(ExtraProgramRow, value, column);
}

void ChannelOverviewModel::setHoliday(int value, int column) {
    set(HolidayRow, value, column);
}

void ChannelOverviewModel::setExternalInput(int value, int column) {
    set(ExternalInputRow, value, column);
}

void ChannelOverviewModel::setSignalingTo(int value, int column) {
    if (value != 0 && !isValidTarget(value)) {
        set(SignalingRow, 0, column);
        return;
    }
    set(SignalingRow, value, column);
    if (value != 0)
        set(FunctionRow, SignalingFunction, columnOfChannel(value - 1));
}

void ChannelOverviewModel::setServiceInterval(int value, int column) {
    set(ServiceRow, value, column);
}
