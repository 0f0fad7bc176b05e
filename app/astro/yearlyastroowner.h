#pragma once

#include "tjastro.h"
#include "yearlyastroheading.h"

#include <QString>

#include <optional>

class QTextDocument;
class YearlyAstroTableModel;

// What the yearly astro table needs of the open project's content, which lies above it: the
// year's sunrises and sunsets, the heading, the name, and the printable table (the report is
// built above the astro code as well).
class YearlyAstroOwner {
public:
    virtual ~YearlyAstroOwner() = default;
    // As the selected channel switches: with its offsets and astro time.
    virtual TJAstro channelAstroTable(int year) const = 0;
    virtual TJAstro plainAstroTable(int year) const = 0;
    // Nothing unless the project is astronomic and the selected channel an astro channel.
    virtual std::optional<YearlyAstroHeading> yearlyAstroHeading() const = 0;
    // The project's summer/winter rule as its device model names it.
    virtual QString soWiRuleText() const = 0;
    virtual QString projectName() const = 0;
    // The printable table under that heading, owned by the caller.
    virtual QTextDocument* yearlyAstroDocument(const YearlyAstroTableModel& table,
                                               const YearlyAstroHeading& heading) const = 0;
    virtual void printYearlyAstroTable(QTextDocument* document) const = 0;
};
