#pragma once

#include "storage/program.h"
#include "storage/storableref.h"
#include "storage/storablerecord.h"

#include <QList>
#include <QMap>

namespace storage {

// One channel of a project with its programs by number. Function 0 is a time channel and 1 an
// astronomic one (hybrid and controls models choose it per channel).
class Channel : public StorableRecord {
public:
    static constexpr int TimeFunction = 0;
    static constexpr int AstroFunction = 1;

    explicit Channel(int index);

    int index() const { return m_index; }
    int function() const { return m_function; }
    void setFunction(int function);

    // The program of that number, created empty on first use.
    StorableRef<Program> program(int number);
    bool hasProgram(int number) const { return m_programs.contains(number); }
    // The program of that number, or a null handle when the channel has none.
    StorableRef<Program> constProgram(int number) const { return m_programs.value(number); }
    QList<int> programNumbers() const { return m_programs.keys(); }

    int memoryCount() const;
    int switchCount() const;
    int dateRangeCount() const;
    // Number of extra programs (number 1 and up) that hold a switch time or a date range.
    int usedExtraPrograms() const;
    // Numbers of the extra programs that hold switch times but no date range: such switch times
    // never run.
    QList<int> extraProgramsWithSwitchimesNoDates() const;

private:
    int m_index = 0;
    int m_function = TimeFunction;
    QMap<int, StorableRef<Program>> m_programs;
};

} // namespace storage
