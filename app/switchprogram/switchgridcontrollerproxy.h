#pragma once

#include "switchgridcontroller.h"

// Hands the grid's calls on to a controller that is not a QObject of this kind (the switch-time
// list model). The wrapped controller must outlive the proxy.
class SwitchGridControllerProxy : public SwitchGridController {
    Q_OBJECT

public:
    explicit SwitchGridControllerProxy(ISwitchGridController* wrapped, QObject* parent = nullptr);

    bool needsRefresh() override;
    void fillGrid(GridModel& grid) override;
    void applySimpleEdit(std::shared_ptr<CellModel> model, int fromRow, int toRow, int col,
                         std::shared_ptr<CellModel> followModel) override;
    void applyRangeEdit(std::shared_ptr<CellModel> startModel, std::shared_ptr<CellModel> endModel,
                        int fromRow, int toRow, int startCol, int endCol,
                        std::shared_ptr<CellModel> innerModel) override;

private:
    ISwitchGridController* m_wrapped;
};
