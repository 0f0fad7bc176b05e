#include "storage/programdata.h"

#include "changetracker.h"
#include "sumof.h"

namespace storage {

StorableRef<Channel> ProgramData::channel(int index)
{
    // An empty channel is no change worth saving on its own.
    auto it = m_channels.find(index);
    if (it == m_channels.end())
        it = m_channels.insert(index, StorableRef<Channel>(new Channel(index)));
    return it.value();
}

void ProgramData::removeChannel(int index)
{
    if (m_channels.remove(index) > 0)
        ChangeTracker::markUnsaved();
}

int ProgramData::memoryCount() const
{
    return sumOf(m_channels, [](const Channel& channel) { return channel.memoryCount(); });
}

int ProgramData::szCount() const
{
    return sumOf(m_channels, [](const Channel& channel) { return channel.switchCount(); });
}

int ProgramData::dateRangeCount() const
{
    return sumOf(m_channels, [](const Channel& channel) { return channel.dateRangeCount(); });
}

void ProgramData::forEachProgram(const std::function<void(int, const StorableRef<Program>&)>& visit) const
{
    for (auto channel = m_channels.cbegin(); channel != m_channels.cend(); ++channel) {
        for (int number : channel.value()->programNumbers())
            visit(channel.key(), channel.value()->constProgram(number));
    }
}

} // namespace storage
