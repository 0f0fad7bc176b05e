#pragma once

#include "iswitchgridcontroller.h"

class QImage;

// The cells of the week grid. A cell's code decides its colour, its range mode, which other cells
// it may share a place with, and whether it is a plain fill, a dot or a fill with an icon:
//  0 green, 1 green start, 2 green end, 3 green dot, 4 red, 5 red start, 6 red end, 7 red dot,
//  8 yellow on, 9 yellow off, 10 blue endless, 11 blue start, 12 blue end, 13 blue dot.
class SwitchCell : public ISwitchGridController::CellModel {
public:
    enum Code {
        Green,
        GreenStart,
        GreenEnd,
        GreenDot,
        Red,
        RedStart,
        RedEnd,
        RedDot,
        YellowOn,
        YellowOff,
        BlueInfinit,
        BlueStart,
        BlueEnd,
        BlueDot,
        CodeCount,
    };

    int rangeMode() const override;
    void paint(QPainter* painter, qreal width, qreal height, bool mirrored, bool standalone) override;
    int typeCode() const override { return m_code; }
    bool accepts(int code) const override;

protected:
    explicit SwitchCell(int code);

private:
    void paintDot(QPainter* painter, qreal width, qreal height, bool standalone) const;
    void paintIcon(QPainter* painter, qreal width, qreal height, bool mirrored) const;
    QImage iconImage(qreal width, qreal height, bool mirrored, qreal ratio) const;

    int m_code;
};

template <int CellCode>
class CodedSwitchCell : public SwitchCell {
    static_assert(CellCode >= 0 && CellCode < SwitchCell::CodeCount);

public:
    CodedSwitchCell()
        : SwitchCell(CellCode) {}
};

using GreenCell = CodedSwitchCell<SwitchCell::Green>;
using GreenStartCell = CodedSwitchCell<SwitchCell::GreenStart>;
using GreenEndCell = CodedSwitchCell<SwitchCell::GreenEnd>;
using GreenDotCell = CodedSwitchCell<SwitchCell::GreenDot>;
using RedCell = CodedSwitchCell<SwitchCell::Red>;
using RedStartCell = CodedSwitchCell<SwitchCell::RedStart>;
using RedEndCell = CodedSwitchCell<SwitchCell::RedEnd>;
using RedDotCell = CodedSwitchCell<SwitchCell::RedDot>;
using YellowOnCell = CodedSwitchCell<SwitchCell::YellowOn>;
using YellowOffCell = CodedSwitchCell<SwitchCell::YellowOff>;
using BlueInfinitCell = CodedSwitchCell<SwitchCell::BlueInfinit>;
using BlueStartCell = CodedSwitchCell<SwitchCell::BlueStart>;
using BlueEndCell = CodedSwitchCell<SwitchCell::BlueEnd>;
using BlueDotCell = CodedSwitchCell<SwitchCell::BlueDot>;
