// The grid on screen: a table model reading the Grid's cells where they are (nothing copied, so
// a grid of tens of thousands of rows stays fast), and the table view that shows it.
#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "platform/forms/grid.h"
#include "platform/qt/control_widgets.h"

namespace platform::qt {

class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(const forms::Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The grid changed: a new shape resets the views, otherwise every cell is marked changed
    // (the view repaints only what it shows).
    void refresh();
    // The grid is about to be destroyed: the model becomes empty.
    void detach();

private:
    const forms::Grid* grid_;
    int rows_ = 0;  // the shape the views know
    int cols_ = 0;
};

std::unique_ptr<ControlView> createGridView(forms::Grid& grid, QWidget* parent,
                                            const ActionRunner& run);

}  // namespace platform::qt
