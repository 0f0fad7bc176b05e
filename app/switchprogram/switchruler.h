#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QQuickPaintedItem>
#include <QRectF>
#include <QString>

// The time scale under the week grid: a tick at every bucket and half bucket and the hour labels,
// scrolled and zoomed in step with the grid. padding leaves a margin on both sides so that the
// scale lines up with the grid's columns.
class SwitchRuler : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY textColorChanged)
    Q_PROPERTY(double padding READ padding WRITE setPadding NOTIFY paddingChanged)
    Q_PROPERTY(int cols READ cols WRITE setCols NOTIFY colsChanged)
    Q_PROPERTY(int steps READ steps WRITE setSteps NOTIFY stepsChanged)
    Q_PROPERTY(int visibleSteps READ visibleSteps WRITE setVisibleSteps NOTIFY visibleStepsChanged)
    Q_PROPERTY(int divisor READ divisor WRITE setDivisor NOTIFY divisorChanged)
    Q_PROPERTY(int skip READ skip WRITE setSkip NOTIFY skipChanged)
    Q_PROPERTY(double offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(bool mirror READ mirror WRITE setMirror NOTIFY mirrorChanged)

public:
    // One tick of the scale, in item pixels, with its label if it has one.
    struct Mark {
        double x = 0;
        double tickLength = 0;
        bool labelled = false;
        QRectF labelBox;
        QString text;
        // Labels between full hours are smaller.
        bool small = false;
    };

    static constexpr double TickTop = 5.0;
    static constexpr double LabelHeight = 22.0;

    explicit SwitchRuler(QQuickItem* parent = nullptr);

    QColor textColor() const { return m_textColor; }
    double padding() const { return m_padding; }
    int cols() const { return m_cols; }
    int steps() const { return m_steps; }
    int visibleSteps() const { return m_visibleSteps; }
    int divisor() const { return m_divisor; }
    int skip() const { return m_skip; }
    double offset() const { return m_offset; }
    QFont font() const { return m_font; }
    bool mirror() const { return m_mirror; }

    // The ticks inside the width, left to right as the scale runs; none while a size, the
    // columns, steps, visible steps or divisor is zero or less.
    QList<Mark> marks() const;
    void paint(QPainter* painter) override;

public slots:
    void setTextColor(const QColor& textColor);
    void setPadding(double padding);
    void setCols(int cols);
    void setSteps(int steps);
    void setVisibleSteps(int visibleSteps);
    void setDivisor(int divisor);
    void setSkip(int skip);
    void setOffset(double offset);
    void setFont(const QFont& font);
    void setMirror(bool mirror);

signals:
    void textColorChanged(QColor color);
    void paddingChanged(double padding);
    void colsChanged(int cols);
    void stepsChanged(int steps);
    void visibleStepsChanged(int visibleSteps);
    void divisorChanged(int divisor);
    void skipChanged(int skip);
    void fontChanged(QFont font);
    void offsetChanged(double offset);
    void mirrorChanged(bool mirror);

private:
    bool isUsable() const;
    bool isLabelled(int halfBucket, int skip) const;
    QString labelText(int minute, bool fullHour, bool withHour) const;
    QFont smallFont() const;

    QColor m_textColor;
    double m_padding = 0;
    int m_cols = 1440;
    int m_steps = 60;
    int m_visibleSteps = 24;
    int m_divisor = 60;
    int m_skip = 6;
    double m_offset = 0;
    QFont m_font;
    bool m_mirror = false;
};
