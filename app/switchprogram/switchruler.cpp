#include "switchruler.h"

#include "paintedproperty.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {
const QColor TickColour(175, 175, 175);
// Half-bucket ticks closer than this many pixels are left out.
constexpr int DensestHalfTicks = 8;
constexpr double MinorTickShare = 0.667;
constexpr double SmallShare = 0.8;
} // namespace

SwitchRuler::SwitchRuler(QQuickItem* parent)
    : QQuickPaintedItem(parent) {
}

bool SwitchRuler::isUsable() const {
    return m_cols > 0 && m_steps > 0 && m_visibleSteps > 0 && m_divisor > 0 && m_cols / m_steps > 0 &&
           width() - 2 * m_padding - 1 > 0 && height() - 1 > 0 && std::isfinite(m_offset) &&
           std::isfinite(m_padding);
}

QList<SwitchRuler::Mark> SwitchRuler::marks() const {
    if (!isUsable())
        return {};
    const int buckets = m_cols / m_steps;
    const double w = width() - 2 * m_padding - 1;
    const double h = height() - 1;
    const double shift = -m_offset / m_visibleSteps * w;
    const double major = h - TickTop - LabelHeight;
    const double minor = MinorTickShare * major;
    const double labelWidth = w / m_visibleSteps * std::max(m_skip, 1);
    // More labelled columns per hour than the width shows buckets: label with the hour and fewer.
    const bool crowded = m_divisor * 2 / m_steps > m_visibleSteps;
    const int skip = crowded ? std::max(m_skip, 2) : m_skip;
    const bool halfTicks = std::trunc(w / (2 * buckets)) >= DensestHalfTicks;
    QList<Mark> marks;
    for (int i = 0; i <= 2 * buckets; ++i) {
        if (i % 2 == 1 && !halfTicks)
            continue;
        const double x = double(m_mirror ? 2 * buckets - i : i) / (2 * m_visibleSteps) * w + 0.5;
        if (x + shift < 0 || x + shift > w + 1)
            continue;
        // Counted in whole numbers: in floating point some half buckets would fall a minute short.
        const int minute = static_cast<int>(qint64(i) * m_cols / (2 * buckets));
        const bool fullHour = minute % m_divisor == 0;
        Mark mark;
        mark.x = x + shift + m_padding;
        mark.tickLength = fullHour ? major : minor;
        mark.labelled = i % 2 == 0 && isLabelled(i, skip);
        if (mark.labelled) {
            mark.small = !fullHour;
            mark.labelBox = fullHour
                                ? QRectF(mark.x - labelWidth / 2, major + TickTop, labelWidth, LabelHeight)
                                : QRectF(mark.x - labelWidth / 2, major + TickTop + minor - major, labelWidth,
                                         LabelHeight * SmallShare);
            mark.text = labelText(minute, fullHour, crowded);
        }
        marks.append(mark);
    }
    return marks;
}

bool SwitchRuler::isLabelled(int halfBucket, int skip) const {
    if (skip == 0)
        return true;
    // A quarter-hour scale with every sixth bucket labelled shows the full hours instead.
    if (m_steps == 15 && skip == 6)
        return halfBucket % 8 == 0;
    return (halfBucket / 2) % skip == 0;
}

QString SwitchRuler::labelText(int minute, bool fullHour, bool withHour) const {
    const int hour = minute / m_divisor;
    const int rest = minute % m_divisor;
    if (fullHour)
        return QString::number(hour);
    if (!withHour)
        return QString::number(rest);
    return QStringLiteral("%1:%2").arg(hour).arg(rest, 2, 10, QLatin1Char('0'));
}

QFont SwitchRuler::smallFont() const {
    QFont small = m_font;
    if (m_font.pixelSize() > 0)
        small.setPixelSize(std::max(1, static_cast<int>(m_font.pixelSize() * SmallShare)));
    else
        small.setPointSizeF(std::max(1.0, m_font.pointSizeF() * SmallShare));
    return small;
}

void SwitchRuler::paint(QPainter* painter) {
    const QList<Mark> all = marks();
    if (all.isEmpty())
        return;
    const QFont small = smallFont();
    const QPen tickPen(TickColour);
    const QPen textPen(m_textColor);
    painter->save();
    for (const Mark& mark : all) {
        painter->setPen(tickPen);
        painter->drawLine(QLineF(mark.x, TickTop, mark.x, TickTop + mark.tickLength));
        if (!mark.labelled)
            continue;
        painter->setPen(textPen);
        painter->setFont(mark.small ? small : m_font);
        painter->drawText(mark.labelBox, Qt::AlignCenter, mark.text);
    }
    painter->restore();
}

void SwitchRuler::setTextColor(const QColor& textColor) {
    setPaintedProperty(this, m_textColor, textColor, &SwitchRuler::textColorChanged);
}

void SwitchRuler::setPadding(double padding) {
    setPaintedProperty(this, m_padding, padding, &SwitchRuler::paddingChanged);
}

void SwitchRuler::setCols(int cols) {
    setPaintedProperty(this, m_cols, cols, &SwitchRuler::colsChanged);
}

void SwitchRuler::setSteps(int steps) {
    setPaintedProperty(this, m_steps, steps, &SwitchRuler::stepsChanged);
}

void SwitchRuler::setVisibleSteps(int visibleSteps) {
    setPaintedProperty(this, m_visibleSteps, visibleSteps, &SwitchRuler::visibleStepsChanged);
}

void SwitchRuler::setDivisor(int divisor) {
    setPaintedProperty(this, m_divisor, divisor, &SwitchRuler::divisorChanged);
}

void SwitchRuler::setSkip(int skip) {
    setPaintedProperty(this, m_skip, skip, &SwitchRuler::skipChanged);
}

void SwitchRuler::setOffset(double offset) {
    setPaintedProperty(this, m_offset, offset, &SwitchRuler::offsetChanged);
}

void SwitchRuler::setFont(const QFont& font) {
    setPaintedProperty(this, m_font, font, &SwitchRuler::fontChanged);
}

void SwitchRuler::setMirror(bool mirror) {
    setPaintedProperty(this, m_mirror, mirror, &SwitchRuler::mirrorChanged);
}
