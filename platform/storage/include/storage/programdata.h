#pragma once

#include "storage/channel.h"
#include "storage/storableref.h"
#include "storage/storablerecord.h"

#include <QList>
#include <QMap>

#include <functional>

namespace storage {

// The switching content of a project: its channels by index (0-based; 4 to 7 are the channels of
// an extension module).
//
// Counts, one definition for the whole program, the same as the project file record's: every
// switch time and every date range is one memory entry (extra-program switch times marked off,
// start time 86400, included: the device keeps their slot). szCount() is the number of switch
// times, memoryCount() the number of memory entries, which a model's maxSz bounds and its memory
// image holds.
class ProgramData : public StorableRecord {
public:
    // The channel of that index, created empty on first use.
    StorableRef<Channel> channel(int index);
    bool hasChannel(int index) const { return m_channels.contains(index); }
    // The channel of that index, or a null handle when there is none.
    StorableRef<Channel> constChannel(int index) const { return m_channels.value(index); }
    void removeChannel(int index);
    QList<int> channelIndexes() const { return m_channels.keys(); }

    int memoryCount() const;
    int szCount() const;
    int dateRangeCount() const;

    // Calls visit with every program of every channel, by channel index and program number.
    void forEachProgram(const std::function<void(int channel, const StorableRef<Program>& program)>& visit) const;

private:
    QMap<int, StorableRef<Channel>> m_channels;
};

} // namespace storage
