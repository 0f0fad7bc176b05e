#include "switchgridcontrollerproxy.h"

SwitchGridControllerProxy::SwitchGridControllerProxy(ISwitchGridController* wrapped, QObject* parent)
    : SwitchGridController(parent)
    , m_wrapped(wrapped) {
    Q_ASSERT(wrapped);
}

bool SwitchGridControllerProxy::needsRefresh() {
    return m_wrapped->needsRefresh();
}

void SwitchGridControllerProxy::fillGrid(GridModel& grid) {
    m_wrapped->fillGrid(grid);
}

void SwitchGridControllerProxy::applySimpleEdit(std::shared_ptr<CellModel> model, int fromRow, int toRow,
                                                int col, std::shared_ptr<CellModel> followModel) {
    m_wrapped->applySimpleEdit(std::move(model), fromRow, toRow, col, std::move(followModel));
}

void SwitchGridControllerProxy::applyRangeEdit(std::shared_ptr<CellModel> startModel,
                                               std::shared_ptr<CellModel> endModel, int fromRow, int toRow,
                                               int startCol, int endCol,
                                               std::shared_ptr<CellModel> innerModel) {
    m_wrapped->applyRangeEdit(std::move(startModel), std::move(endModel), fromRow, toRow, startCol, endCol,
                              std::move(innerModel));
}
