#pragma once

#include "switchcellstore.h"
#include "switchgridedit.h"
#include "switchgridgeometry.h"

#include <optional>
#include <vector>

class QColor;
class QPainter;
class QRectF;

// Paints one week of the grid from its kept cells: the daylight bands, one rectangle per bucket
// and row with the element that falls into it, the state that follows a switch, the lines from a
// range's start to its end, conflicts, the selection and the preview of the edit being drawn, and
// the grid lines. Only the buckets inside the width are drawn, but what runs on from one bucket to
// the next (the follow state and the lines) is carried from the start of the week, so the visible
// part looks the same as in a grid that shows the whole week.
class SwitchGridPainter {
public:
    // Bands in columns; a band is drawn when its start lies before its end.
    struct Bands {
        int minSolar = -1;
        int maxSolar = -1;
        int minSolarLite = -1;
        int maxSolarLite = -1;
        // Non-zero: the day outside the daylight band is coloured, the band white.
        int reverseSolar = 0;
    };

    using Model = ISwitchGridController::CellModel;

    // What a paint needs of the cells that hold something, in one array: kept between paints, so
    // that a repaint does not look through every cell of the week again.
    struct KeptCell {
        // row × cols + col
        int index;
        int count;
        int priority;
        Model* shown;
        // What the buckets after it show, when the cell's model sets that.
        Model* follow;
        bool setsFollow;
        // The lines that start in the cell, in KeptCells::lines.
        int firstLine;
        int lineCount;
    };
    // A line from a cell; end counts columns from column 0 of the cell's row.
    struct KeptLine {
        int priority;
        int end;
        Model* model;
    };
    struct KeptCells {
        std::vector<KeptCell> cells;
        std::vector<KeptLine> lines;
    };

    // The priority of what an edit preview draws.
    static constexpr int PreviewPriority = 1000;

    // The occupied cells of a store, in ascending order. They point into the store's models and
    // are valid as long as the store is unchanged.
    static KeptCells keep(const SwitchCellStore& cells);

    SwitchGridPainter(const SwitchCellStore& cells, const KeptCells& kept, const SwitchGridGeometry& geometry,
                      const Bands& bands, const SwitchGridEdit& edit);

    // Paints nothing for a geometry that is not usable.
    void paint(QPainter* painter);

private:
    // A line from a start to its end; end counts columns from column 0 of the first row, order
    // the lines in the order they were added.
    struct Line {
        int priority;
        int end;
        int order;
        Model* model;
    };

    // What one bucket of one row shows.
    struct Bucket {
        int row;
        int first;
        Model* shown;
        // What the next bucket starts from.
        Model* follow;
        int priority = -1;
        int count = 0;
        bool highlighted = false;
    };

    double xOf(double bucketPosition) const;
    void paintBands(QPainter* painter) const;
    void paintBand(QPainter* painter, int min, int max, const QColor& colour) const;
    void startWeek();
    void addStartOfWeekPreview();
    void paintRow(QPainter* painter, int row);
    int nextBucket(int row, int bucket) const;
    static bool drawnAfter(const Line& a, const Line& b);
    void addLine(int priority, int end, Model* model);
    void chooseLine(int position);
    void takeCells(Bucket& bucket);
    void highlightSelection(Bucket& bucket) const;
    void previewSimpleEdit(Bucket& bucket) const;
    void previewRangeEdit(Bucket& bucket);
    void previewRangeStart(Bucket& bucket);
    void previewRangeEnd(Bucket& bucket) const;
    bool inBucket(const Bucket& bucket, int col) const;
    int firstCellPriority(const Bucket& bucket) const;
    void draw(QPainter* painter, const Bucket& bucket, const QRectF& rect) const;

    const SwitchCellStore& m_cells;
    const KeptCells& m_kept;
    // The first kept cell not yet taken into a bucket.
    size_t m_nextKept = 0;
    const SwitchGridGeometry m_geometry;
    const Bands m_bands;
    const SwitchGridEdit& m_edit;
    const double m_width;
    const double m_height;
    const int m_buckets;
    // The bucket positions from the left that can show inside the width.
    int m_firstVisible = 0;
    int m_lastVisible = 0;

    Model* m_carried = nullptr;
    // A heap, see drawnAfter().
    std::vector<Line> m_lines;
    int m_nextLineOrder = 0;
    // The line drawn in the current bucket.
    std::optional<Line> m_line;
};
