#pragma once

#include "switchgridcontrollerproxy.h"

#include <QList>

// The grid's controller over a real one (the switch-time list model), telling the tests how often
// the grid filled its cells and which edits it handed on.
class ObservedGridController : public SwitchGridControllerProxy {
public:
    using CellPtr = std::shared_ptr<CellModel>;

    // An edit as handed on, with its tool cells by their codes (-1 for none).
    struct Edit {
        int startCode;
        int endCode;
        int fromRow;
        int toRow;
        int startCol;
        int endCol;
        int innerCode;
        bool operator==(const Edit&) const = default;
    };

    using SwitchGridControllerProxy::SwitchGridControllerProxy;

    void fillGrid(GridModel& grid) override {
        ++fills;
        SwitchGridControllerProxy::fillGrid(grid);
    }
    void applySimpleEdit(CellPtr model, int fromRow, int toRow, int col, CellPtr followModel) override {
        simpleEdits.append({codeOf(model), -1, fromRow, toRow, col, col, codeOf(followModel)});
        SwitchGridControllerProxy::applySimpleEdit(model, fromRow, toRow, col, followModel);
    }
    void applyRangeEdit(CellPtr startModel, CellPtr endModel, int fromRow, int toRow, int startCol,
                        int endCol, CellPtr innerModel) override {
        rangeEdits.append(
            {codeOf(startModel), codeOf(endModel), fromRow, toRow, startCol, endCol, codeOf(innerModel)});
        SwitchGridControllerProxy::applyRangeEdit(startModel, endModel, fromRow, toRow, startCol, endCol,
                                                  innerModel);
    }

    int fills = 0;
    QList<Edit> simpleEdits;
    QList<Edit> rangeEdits;

private:
    static int codeOf(const CellPtr& model) { return model ? model->typeCode() : -1; }
};

inline char* toString(const ObservedGridController::Edit& edit) {
    return qstrdup(QStringLiteral("tools %1/%2 rows %3..%4 columns %5..%6 inner %7")
                       .arg(edit.startCode)
                       .arg(edit.endCode)
                       .arg(edit.fromRow)
                       .arg(edit.toRow)
                       .arg(edit.startCol)
                       .arg(edit.endCol)
                       .arg(edit.innerCode)
                       .toUtf8()
                       .constData());
}
