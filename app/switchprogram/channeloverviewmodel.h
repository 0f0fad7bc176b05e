#pragma once

#include "trfunctions.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The channel overview of the program settings: one column per channel (four more for an
// extension module) and seven rows of facts: function, memory used, extra programs used,
// holiday, external input, signalling target, service interval. It is filled before QML sees it.
class ChannelOverviewModel : public QAbstractTableModel, public TrFunctions {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)

public:
    enum Row {
        FunctionRow,
        MemoryRow,
        ExtraProgramRow,
        HolidayRow,
        ExternalInputRow,
        SignalingRow,
        ServiceRow,
        RowCount
    };
    static constexpr int SignalingFunction = 2;

    ChannelOverviewModel(int channelCount, bool extensionModule, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The column of a channel index (0 is channel 1); -1 when the model has none for it.
    int columnOfChannel(int channelIndex) const;

    // A channel that another signals to keeps that mark.
    void setChannelFunction(int value, int column);
    void setMemoryUsed(int value, int column);
    void setExtraProgramUsed(int value, int column);
    void setHoliday(int value, int column);
    void setExternalInput(int value, int column);
    // Also marks the target channel (a channel number, 0 none) as signalling; a target outside
    // the channels is shown as none.
    void setSignalingTo(int value, int column);
    void setServiceInterval(int value, int column);

private:
    void set(Row row, int value, int column);
    QVariant text(int row, int value) const;
    bool isValidTarget(int channelNumber) const;

    QHash<int, QByteArray> m_roleNames;
    QList<QList<int>> m_rows;
    int m_channelCount;
    bool m_extensionModule;
};
