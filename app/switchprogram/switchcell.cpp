#include "switchcell.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <memory>

namespace {

enum class Look { Plain, Dot, Icon };

struct CellTraits {
    QRgb colour;
    int rangeMode;
    // Bit c set: shares a cell with code c without a conflict.
    int accepted;
    Look look;
    const char* icon;
    // Start and end icons are kept inside the cell's height.
    bool fitHeight;
};

constexpr QRgb Green = qRgb(0, 180, 50);
constexpr QRgb Red = qRgb(226, 0, 26);
constexpr QRgb Yellow = qRgb(255, 236, 0);
constexpr QRgb Blue = qRgb(20, 74, 129);

constexpr int bit(int code) {
    return 1 << code;
}
constexpr int FixedRangeCodes = bit(1) | bit(2) | bit(5) | bit(6);
constexpr int EveryCode = (1 << SwitchCell::CodeCount) - 1;

const char* const FixStart = ":/icons/fix-start.svg";
const char* const FixEnd = ":/icons/fix-end.svg";

const std::array<CellTraits, SwitchCell::CodeCount> Traits{{
    {Green, 2, bit(12), Look::Plain, nullptr, false},
    {Green, 2, bit(6) | bit(2), Look::Icon, FixStart, true},
    {Green, 0, FixedRangeCodes, Look::Icon, FixEnd, true},
    {Green, 2, 0, Look::Dot, nullptr, false},
    {Red, 2, bit(12), Look::Plain, nullptr, false},
    {Red, 2, bit(6) | bit(2), Look::Icon, FixStart, true},
    {Red, 0, FixedRangeCodes, Look::Icon, FixEnd, true},
    {Red, 2, 0, Look::Dot, nullptr, false},
    {Yellow, -1, bit(12), Look::Icon, ":/icons/impuls_ein.svg", false},
    {Yellow, -1, bit(12), Look::Icon, ":/icons/impuls_aus.svg", false},
    {Blue, 1, bit(12), Look::Icon, ":/icons/infini.svg", false},
    {Blue, 1, bit(12), Look::Icon, FixStart, true},
    {Blue, 1, EveryCode, Look::Icon, FixEnd, true},
    {Blue, 2, 0, Look::Dot, nullptr, false},
}};

// One renderer per icon, loaded on first use.
QSvgRenderer& rendererOf(int code) {
    static std::array<std::unique_ptr<QSvgRenderer>, SwitchCell::CodeCount> renderers;
    auto& renderer = renderers[static_cast<size_t>(code)];
    if (!renderer)
        renderer =
            std::make_unique<QSvgRenderer>(QString::fromLatin1(Traits[static_cast<size_t>(code)].icon));
    return *renderer;
}

QSizeF iconSize(const QSizeF& natural, qreal width, qreal height, bool fitHeight) {
    if (natural.isEmpty())
        return {};
    const qreal aspect = natural.height() / natural.width();
    QSizeF size(width / 3, width / 3 * aspect);
    if (fitHeight && size.height() > height - 4)
        size = QSizeF((height - 4) / aspect, height - 4);
    return size;
}

} // namespace

SwitchCell::SwitchCell(int code)
    : m_code(code) {
}

int SwitchCell::rangeMode() const {
    return Traits[static_cast<size_t>(m_code)].rangeMode;
}

bool SwitchCell::accepts(int code) const {
    return code >= 0 && code < CodeCount && (Traits[static_cast<size_t>(m_code)].accepted & bit(code)) != 0;
}

void SwitchCell::paint(QPainter* painter, qreal width, qreal height, bool mirrored, bool standalone) {
    const CellTraits& traits = Traits[static_cast<size_t>(m_code)];
    if (traits.look == Look::Dot)
        paintDot(painter, width, height, standalone);
    else
        painter->fillRect(QRectF(0, 0, width, height), QColor(traits.colour));
    CellModel::paint(painter, width, height, mirrored, standalone);
    if (traits.look == Look::Icon && standalone)
        paintIcon(painter, width, height, mirrored);
}

void SwitchCell::paintDot(QPainter* painter, qreal width, qreal height, bool standalone) const {
    if (standalone)
        painter->fillRect(QRectF(0, 0, width, height), Qt::white);
    const qreal side = qMin(width, height) / 3;
    painter->fillRect(QRectF((width - side) / 2, (height - side) / 2, side, side),
                      QColor(Traits[static_cast<size_t>(m_code)].colour));
}

void SwitchCell::paintIcon(QPainter* painter, qreal width, qreal height, bool mirrored) const {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QImage icon = iconImage(width, height, mirrored, ratio);
    if (icon.isNull())
        return;
    const QSizeF size = icon.deviceIndependentSize();
    painter->drawImage(QPointF((width - size.width()) / 2, (height - size.height()) / 2), icon);
}

// Rendering an icon costs far more than drawing it, and a week shows the same few icons at one cell
// size: each is rendered once per size and kept. Grids of several windows may paint at once.
QImage SwitchCell::iconImage(qreal width, qreal height, bool mirrored, qreal ratio) const {
    static QMutex mutex;
    static QHash<quint64, QImage> kept;
    // Enough for every icon in both directions at a few sizes; a long run of resizing starts afresh.
    constexpr qsizetype MostKept = 256;
    const QMutexLocker locker(&mutex);
    QSvgRenderer& renderer = rendererOf(m_code);
    const QSizeF size =
        iconSize(renderer.defaultSize(), width, height, Traits[static_cast<size_t>(m_code)].fitHeight);
    const QSize pixels = (size * ratio).toSize();
    if (pixels.isEmpty() || pixels.width() > 0xffff || pixels.height() > 0xffff)
        return {};
    const quint64 key = quint64(m_code) | quint64(mirrored) << 8 | quint64(pixels.width()) << 16 |
                        quint64(pixels.height()) << 32 | quint64(qRound(ratio * 100) & 0xffff) << 48;
    const auto found = kept.constFind(key);
    if (found != kept.cend())
        return *found;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter iconPainter(&image);
        if (mirrored) {
            iconPainter.translate(pixels.width(), 0);
            iconPainter.scale(-1, 1);
        }
        renderer.render(&iconPainter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    image.setDevicePixelRatio(ratio);
    if (kept.size() >= MostKept)
        kept.clear();
    kept.insert(key, image);
    return image;
}
