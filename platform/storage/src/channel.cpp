#include "storage/channel.h"

#include "changetracker.h"
#include "sumof.h"

namespace storage {

Channel::Channel(int index)
    : m_index(index)
{
}

void Channel::setFunction(int function) { ChangeTracker::assign(m_function, function); }

StorableRef<Program> Channel::program(int number)
{
    // An empty program is no change worth saving on its own.
    auto it = m_programs.find(number);
    if (it == m_programs.end())
        it = m_programs.insert(number, StorableRef<Program>(new Program(number)));
    return it.value();
}

int Channel::memoryCount() const
{
    return sumOf(m_programs, [](const Program& program) { return program.memoryCount(); });
}

int Channel::switchCount() const
{
    return sumOf(m_programs, [](const Program& program) { return static_cast<int>(program.switches().size()); });
}

int Channel::dateRangeCount() const
{
    return sumOf(m_programs, [](const Program& program) { return static_cast<int>(program.dateRanges().size()); });
}

int Channel::usedExtraPrograms() const
{
    int count = 0;
    for (const auto& program : m_programs) {
        if (program->number() > 0 && !program->isEmpty())
            ++count;
    }
    return count;
}

QList<int> Channel::extraProgramsWithSwitchimesNoDates() const
{
    QList<int> numbers;
    for (const auto& program : m_programs) {
        if (program->number() > 0 && !program->switches().isEmpty() && program->dateRanges().isEmpty())
            numbers.append(program->number());
    }
    return numbers;
}

} // namespace storage
