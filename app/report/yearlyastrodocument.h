#pragma once

#include "documenttemplate.h"
#include "trfunctions.h"
#include "yearlyastrotablemodel.h"

// The printable yearly astro table: the location, the year's extremes with and without the
// channel's offsets, and sunrise and sunset of every day in two tables of six months.
class YearlyAstroDocument final : public DocumentTemplate, private TrFunctions {
public:
    YearlyAstroDocument(const YearlyAstroTableModel& model, const YearlyAstroTableModel::Heading& heading);
    ~YearlyAstroDocument();

private:
    void layout() override;
    void writeLocation();
    void writeMonths(int firstMonth);

    const YearlyAstroTableModel& m_model;
    YearlyAstroTableModel::Heading m_heading;
};
