#include "platform/qt/grid_model.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

#include "platform/qt/units.h"

namespace platform::qt {

GridModel::GridModel(const forms::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid), rows_(grid.rowCount()), cols_(grid.colCount()) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (grid_ == nullptr || !index.isValid() || index.row() >= grid_->rowCount() ||
        index.column() >= grid_->colCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return grid_->cellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return grid_->cellAlignment(index.row(), index.column()) == forms::flexAlignCenterCenter
                       ? QVariant(Qt::AlignCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            // The fixed rows are headings, drawn like buttons.
            if (index.row() < grid_->FixedRows) {
                return QApplication::palette().button();
            }
            return {};
        default:
            return {};
    }
}

void GridModel::refresh() {
    if (grid_ == nullptr) {
        return;
    }
    if (grid_->rowCount() != rows_ || grid_->colCount() != cols_) {
        beginResetModel();
        rows_ = grid_->rowCount();
        cols_ = grid_->colCount();
        endResetModel();
    } else if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
}

void GridModel::detach() {
    beginResetModel();
    grid_ = nullptr;
    rows_ = 0;
    cols_ = 0;
    endResetModel();
}

namespace {

class GridView : public ViewOf<forms::Grid, QTableView> {
public:
    GridView(forms::Grid& grid, QWidget* parent, const ActionRunner& run)
        : ViewOf(grid, new QTableView(parent), run), table_(new GridModel(grid, widget_)) {
        widget_->setModel(table_);
        // Headings are ordinary rows of the grid, so both header bars stay hidden.
        widget_->horizontalHeader()->hide();
        widget_->verticalHeader()->hide();
        // Fixed row heights: the view never measures the rows, however many there are.
        widget_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        widget_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        widget_->setSelectionMode(QAbstractItemView::SingleSelection);
        widget_->setWordWrap(false);
        QObject::connect(widget_, &QTableView::clicked, widget_, [this](const QModelIndex& i) {
            const int row = i.row();
            const int col = i.column();
            run_([this, row, col] {
                if (row < model_.rowCount() && col < model_.colCount()) {
                    model_.clickCell(row, col);
                }
            });
        });
    }

    void detach() override { table_->detach(); }

protected:
    void syncContent() override {
        table_->refresh();
        for (int c = 0; c < model_.colCount(); ++c) {
            const int width = toPixels(model_.colWidth(c));
            if (widget_->columnWidth(c) != width) {
                widget_->setColumnWidth(c, width);
            }
        }
        const int rowHeight = QFontMetrics(widget_->font()).height() + 4;
        if (widget_->verticalHeader()->defaultSectionSize() != rowHeight) {
            widget_->verticalHeader()->setMinimumSectionSize(1);
            widget_->verticalHeader()->setDefaultSectionSize(rowHeight);
        }
    }

private:
    GridModel* table_;  // owned by the table view
};

}  // namespace

std::unique_ptr<ControlView> createGridView(forms::Grid& grid, QWidget* parent,
                                            const ActionRunner& run) {
    return std::make_unique<GridView>(grid, parent, run);
}

}  // namespace platform::qt
