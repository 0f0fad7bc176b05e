#include "switchgridpainter.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <span>

namespace {
const QColor GridLineColour(175, 175, 175);
const QColor TwilightColour(255, 245, 203);
const QColor DaylightColour(255, 236, 152);
const QColor HighlightColour(0, 0, 0, 51);
const QColor ConflictHighlightColour(255, 255, 255, 51);
const QColor ConflictColour(0, 0, 0);

// Lines of a range drawn towards earlier columns give way to most elements.
constexpr int ReversedLinePriority = 10;

bool between(int value, int low, int high) {
    return low <= value && value <= high;
}
} // namespace

SwitchGridPainter::KeptCells SwitchGridPainter::keep(const SwitchCellStore& cells) {
    KeptCells kept;
    for (int row = 0; row < cells.rows(); ++row) {
        const std::span<const GridCell> rowCells = cells.rowCells(row);
        for (int col = 0; col < cells.cols(); ++col) {
            const GridCell& cell = rowCells[static_cast<size_t>(col)];
            if (cell.count == 0 && cell.lines.isEmpty())
                continue;
            // An endless cycle runs on from its own cell, not only from the start of the week.
            const bool setsFollow =
                cell.count > 0 && cell.model &&
                (cell.model->rangeMode() > 1 || cell.priority == SwitchCellStore::EndlessPriority);
            kept.cells.push_back({row * cells.cols() + col, cell.count, cell.priority, cell.model.get(),
                                  cell.followModel.get(), setsFollow, static_cast<int>(kept.lines.size()),
                                  static_cast<int>(cell.lines.size())});
            for (auto it = cell.lines.cbegin(); it != cell.lines.cend(); ++it)
                kept.lines.push_back({it.key().first, it.key().second, it.value().get()});
        }
    }
    return kept;
}

SwitchGridPainter::SwitchGridPainter(const SwitchCellStore& cells, const KeptCells& kept,
                                     const SwitchGridGeometry& geometry, const Bands& bands,
                                     const SwitchGridEdit& edit)
    : m_cells(cells)
    , m_kept(kept)
    , m_geometry(geometry)
    , m_bands(bands)
    , m_edit(edit)
    , m_width(geometry.width - 1)
    , m_height(geometry.height - 1)
    , m_buckets(geometry.buckets()) {
    // One bucket more on each side than the width holds, for the half pixel the edges are moved by.
    // An offset far outside the week shows no bucket.
    const double outside = m_buckets + 2.0;
    m_firstVisible = static_cast<int>(std::clamp(std::floor(geometry.offset) - 1, -outside, outside));
    m_lastVisible =
        static_cast<int>(std::clamp(std::ceil(geometry.offset + geometry.visibleSteps), -outside, outside));
}

double SwitchGridPainter::xOf(double bucketPosition) const {
    return bucketPosition / m_geometry.visibleSteps * m_width + 0.5;
}

void SwitchGridPainter::paint(QPainter* painter) {
    if (!m_geometry.isUsable())
        return;
    painter->save();
    if (m_bands.reverseSolar != 0)
        painter->fillRect(QRectF(0, 0, m_geometry.width, m_geometry.height), DaylightColour);
    painter->translate(-m_geometry.offset / m_geometry.visibleSteps * m_width, 0);
    paintBands(painter);
    startWeek();
    for (int row = 0; row < m_geometry.rows; ++row)
        paintRow(painter, row);
    // The grid lines are one pixel wide, filled as rectangles: far cheaper than stroked lines.
    for (int i = std::max(m_firstVisible, 0); i <= std::min(m_lastVisible + 1, m_buckets); ++i)
        painter->fillRect(QRectF(xOf(i) - 0.5, 0, 1, m_geometry.height), GridLineColour);
    painter->restore();
    for (int j = 0; j <= m_geometry.rows; ++j) {
        const double y = double(j) / m_geometry.rows * m_height + 0.5;
        painter->fillRect(QRectF(0, y - 0.5, m_geometry.width, 1), GridLineColour);
    }
}

void SwitchGridPainter::paintBands(QPainter* painter) const {
    paintBand(painter, m_bands.minSolarLite, m_bands.maxSolarLite, TwilightColour);
    paintBand(painter, m_bands.minSolar, m_bands.maxSolar,
              m_bands.reverseSolar != 0 ? QColor(Qt::white) : DaylightColour);
}

void SwitchGridPainter::paintBand(QPainter* painter, int min, int max, const QColor& colour) const {
    if (min >= max)
        return;
    const int steps = m_geometry.steps;
    const int a = min / steps;
    const int b = max / steps;
    // A band that ends on a bucket's first column leaves that bucket out.
    const int partial = max % steps == 0 ? 0 : 1;
    const double x1 = m_geometry.mirror ? xOf(m_buckets - a) : xOf(a);
    const double x2 = m_geometry.mirror ? xOf(m_buckets - b - partial) : xOf(b + partial);
    painter->fillRect(QRectF(QPointF(std::min(x1, x2), 0), QPointF(std::max(x1, x2), m_geometry.height)),
                      colour);
}

void SwitchGridPainter::startWeek() {
    const int followIndex = m_cells.followIndex();
    const int cols = m_geometry.cols;
    m_carried =
        followIndex >= 0 ? m_cells.cellAt(followIndex / cols, followIndex % cols).followModel.get() : nullptr;
    // Lines that run over the end of the week go on at its beginning.
    const GridLines& wrapped = m_cells.wrappedLines();
    for (auto it = wrapped.cbegin(); it != wrapped.cend(); ++it)
        addLine(it.key().first, it.key().second, it.value().get());
    if (m_edit.model && m_edit.hasSelection())
        addStartOfWeekPreview();
}

// The part of the edit being drawn that shows at the beginning of the week.
void SwitchGridPainter::addStartOfWeekPreview() {
    const SwitchGridEdit& e = m_edit;
    const int cols = m_geometry.cols;
    if (e.mode == SwitchGridEdit::SimpleEditMode && e.toRow * cols + e.fromCol >= m_cells.followIndex()) {
        // The drawn element would be the last of the week: its state runs on into the first day.
        m_carried = e.followModel.get();
        return;
    }
    if (e.hoverPreview)
        return;
    Model* inner = e.followModel.get();
    if (e.toRow == m_geometry.rows - 1 && e.reversed && e.mode == SwitchGridEdit::RangeEditMode &&
        !e.isDirected())
        addLine(PreviewPriority, e.fromCol, inner);
    else if (e.isDirected() && (e.fromRow > e.toRow || (e.fromRow == e.toRow && e.reversed)))
        addLine(PreviewPriority, e.toRow * cols + (e.reversed ? e.fromCol : e.toCol), inner);
}

void SwitchGridPainter::paintRow(QPainter* painter, int row) {
    const double y0 = double(row) / m_geometry.rows * m_height + 0.5;
    const double y1 = double(row + 1) / m_geometry.rows * m_height + 0.5;
    for (int s = 0; s < m_buckets; s = nextBucket(row, s)) {
        const int position = m_geometry.mirror ? m_buckets - s - 1 : s;
        const bool visible = between(position, m_firstVisible, m_lastVisible);
        Bucket bucket{row, s * m_geometry.steps, m_carried, m_carried};
        // Outside the width only what runs on is worked out; lines that ended meanwhile leave at
        // the next bucket drawn.
        if (visible)
            chooseLine(row * m_geometry.cols + bucket.first);
        takeCells(bucket);
        if (visible)
            highlightSelection(bucket);
        previewSimpleEdit(bucket);
        previewRangeEdit(bucket);
        if (visible)
            draw(painter, bucket, QRectF(QPointF(xOf(position), y0), QPointF(xOf(position + 1), y1)));
        m_carried = bucket.follow;
    }
}

// The next bucket of the row that can change anything: one inside the width, one holding a kept
// cell, or one the edit being drawn shows in. The buckets between carry the state unchanged.
int SwitchGridPainter::nextBucket(int row, int bucket) const {
    const int steps = m_geometry.steps;
    int next = m_buckets;
    if (m_nextKept < m_kept.cells.size())
        next = std::max(bucket + 1, (m_kept.cells[m_nextKept].index - row * m_geometry.cols) / steps);
    const int firstVisible = m_geometry.mirror ? m_buckets - 1 - m_lastVisible : m_firstVisible;
    const int lastVisible = m_geometry.mirror ? m_buckets - 1 - m_firstVisible : m_lastVisible;
    if (bucket + 1 >= firstVisible && bucket + 1 <= lastVisible)
        return bucket + 1;
    if (firstVisible > bucket)
        next = std::min(next, firstVisible);
    if (m_edit.hasSelection()) {
        for (const int col : {m_edit.fromCol, m_edit.toCol}) {
            if (col / steps > bucket)
                next = std::min(next, col / steps);
        }
    }
    return std::min(next, m_buckets);
}

// The active lines form a heap whose top is the line to draw: the one of highest priority, of
// equal priorities the one that ends first, and of lines alike the one added last (which takes the
// place of the earlier).
bool SwitchGridPainter::drawnAfter(const Line& a, const Line& b) {
    if (a.priority != b.priority)
        return a.priority < b.priority;
    if (a.end != b.end)
        return a.end > b.end;
    return a.order < b.order;
}

void SwitchGridPainter::addLine(int priority, int end, Model* model) {
    m_lines.push_back({priority, end, m_nextLineOrder++, model});
    std::push_heap(m_lines.begin(), m_lines.end(), drawnAfter);
}

// Lines that have ended leave; the top of the rest runs through this bucket.
void SwitchGridPainter::chooseLine(int position) {
    while (!m_lines.empty() && m_lines.front().end <= position) {
        std::pop_heap(m_lines.begin(), m_lines.end(), drawnAfter);
        m_lines.pop_back();
    }
    if (m_lines.empty())
        m_line.reset();
    else
        m_line = m_lines.front();
}

// Empty cells change nothing: only the kept ones are looked at.
void SwitchGridPainter::takeCells(Bucket& bucket) {
    const int rowStart = bucket.row * m_geometry.cols;
    const int first = rowStart + bucket.first;
    const int end = first + m_geometry.steps;
    const std::vector<KeptCell>& cells = m_kept.cells;
    for (; m_nextKept < cells.size() && cells[m_nextKept].index < end; ++m_nextKept) {
        const KeptCell& cell = cells[m_nextKept];
        // Columns after the last whole bucket of a row belong to no bucket.
        if (cell.index < first)
            continue;
        if (cell.count > 0) {
            bucket.count += cell.count;
            bucket.shown = cell.shown;
            bucket.priority = cell.priority;
            if (cell.setsFollow)
                bucket.follow = cell.follow;
        }
        // Lines that start here are drawn from the next bucket on.
        for (int i = cell.firstLine; i < cell.firstLine + cell.lineCount; ++i) {
            const KeptLine& line = m_kept.lines[static_cast<size_t>(i)];
            addLine(line.priority, rowStart + line.end, line.model);
        }
    }
}

bool SwitchGridPainter::inBucket(const Bucket& bucket, int col) const {
    return bucket.first <= col && col < bucket.first + m_geometry.steps;
}

int SwitchGridPainter::firstCellPriority(const Bucket& bucket) const {
    return m_cells.cellAt(bucket.row, bucket.first).priority;
}

void SwitchGridPainter::highlightSelection(Bucket& bucket) const {
    const SwitchGridEdit& e = m_edit;
    if (e.mode != SwitchGridEdit::SelectMode || !e.hasSelection())
        return;
    if (between(bucket.row, e.fromRow, e.toRow) && e.fromCol < bucket.first + m_geometry.steps &&
        bucket.first <= e.toCol)
        bucket.highlighted = true;
}

void SwitchGridPainter::previewSimpleEdit(Bucket& bucket) const {
    const SwitchGridEdit& e = m_edit;
    const bool editing = e.mode == SwitchGridEdit::SimpleEditMode ||
                         (e.hoverPreview && e.mode == SwitchGridEdit::RangeEditMode);
    if (!editing || !e.model || !e.hasSelection() || !between(bucket.row, e.fromRow, e.toRow) ||
        !inBucket(bucket, e.fromCol))
        return;
    bucket.shown = e.model.get();
    bucket.count = 1;
    bucket.priority = PreviewPriority;
    bucket.highlighted = true;
    if (firstCellPriority(bucket) <= e.priority)
        bucket.follow = e.followModel.get();
}

void SwitchGridPainter::previewRangeEdit(Bucket& bucket) {
    const SwitchGridEdit& e = m_edit;
    if (e.mode != SwitchGridEdit::RangeEditMode || !e.model || !e.endModel || e.hoverPreview ||
        !e.hasSelection())
        return;
    // Where a drag begins and ends in the same bucket, its start shows.
    previewRangeEnd(bucket);
    previewRangeStart(bucket);
}

void SwitchGridPainter::previewRangeStart(Bucket& bucket) {
    const SwitchGridEdit& e = m_edit;
    const bool directed = e.isDirected();
    const bool inRow = directed ? bucket.row == e.fromRow : between(bucket.row, e.fromRow, e.toRow);
    if (!inRow || !inBucket(bucket, e.reversed ? e.toCol : e.fromCol))
        return;
    const int cols = m_geometry.cols;
    const int toEndOfWeek = (m_geometry.rows - e.fromRow) * cols;
    int priority = PreviewPriority;
    int end = 0;
    if (!e.reversed) {
        end = !directed              ? e.toCol
              : e.fromRow <= e.toRow ? (e.toRow - e.fromRow) * cols + e.toCol
                                     : toEndOfWeek;
    } else {
        priority = ReversedLinePriority;
        end = !directed             ? e.fromCol + cols
              : e.toRow > e.fromRow ? (e.toRow - e.fromRow) * cols + e.fromCol
                                    : toEndOfWeek;
    }
    addLine(priority, bucket.row * cols + end, e.followModel.get());
    bucket.shown = e.model.get();
    bucket.count = 1;
    bucket.priority = PreviewPriority;
    bucket.highlighted = true;
    if (firstCellPriority(bucket) <= e.priority && e.fromCol != e.toCol)
        bucket.follow = nullptr;
}

void SwitchGridPainter::previewRangeEnd(Bucket& bucket) const {
    const SwitchGridEdit& e = m_edit;
    bool inRow = false;
    if (e.isDirected())
        inRow = bucket.row == e.toRow;
    else if (!e.reversed)
        inRow = between(bucket.row, e.fromRow, e.toRow);
    else // The end lies on the next day.
        inRow = between(bucket.row, e.fromRow + 1, e.toRow + 1) ||
                (e.toRow == m_geometry.rows - 1 && bucket.row == 0);
    if (!inRow || !inBucket(bucket, e.reversed ? e.fromCol : e.toCol))
        return;
    bucket.shown = e.endModel.get();
    bucket.count = 1;
    bucket.priority = PreviewPriority;
    bucket.highlighted = true;
    if (firstCellPriority(bucket) <= e.priority || e.fromCol == e.toCol)
        bucket.follow = nullptr;
}

void SwitchGridPainter::draw(QPainter* painter, const Bucket& bucket, const QRectF& rect) const {
    const QTransform base = painter->transform();
    painter->translate(rect.topLeft());
    const double w = rect.width();
    const double h = rect.height();
    const bool mirrored = m_geometry.mirror;
    const bool conflict = bucket.count >= 2;
    if (!m_line || m_line->priority <= bucket.priority) {
        if (conflict)
            painter->fillRect(QRectF(0, 0, w, h), ConflictColour);
        else if (bucket.shown)
            bucket.shown->paint(painter, w, h, mirrored, true);
        if (bucket.highlighted)
            painter->fillRect(QRectF(0, 0, w, h), conflict ? ConflictHighlightColour : HighlightColour);
    } else {
        // A line of higher priority runs through: what lies beneath shows without its icon.
        if (bucket.shown)
            bucket.shown->paint(painter, w, h, mirrored, false);
        if (m_line->model)
            m_line->model->paint(painter, w, h, mirrored, bucket.shown == nullptr);
        if (bucket.highlighted)
            painter->fillRect(QRectF(0, 0, w, h), HighlightColour);
    }
    painter->setTransform(base);
}
