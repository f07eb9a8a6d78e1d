// The grid: rows and columns of texts, a current cell (Row, Col) through which every cell is
// read and written, column widths in twips and an alignment per cell.
#pragma once

#include <QString>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/property.h"

namespace platform::forms {

enum CellAlign { flexAlignLeftCenter = 1, flexAlignCenterCenter = 4 };

class Grid : public VisualControl {
public:
    Grid(Form& form, QString name);

    // Number of rows and columns; shrinking drops cells, growing adds empty ones. Row 0 (and
    // FixedRows in general) is the fixed heading row.
    Property<int> Rows;
    Property<int> Cols;
    // The current cell; a row or column outside the grid raises the grid's range error.
    Property<int> Row;
    Property<int> Col;
    // Text and alignment of the current cell.
    Property<QString> Text;
    Property<int> CellAlignment;
    int FixedRows = 1;

    // Width of column `col` in twips, to read or assign.
    double& ColWidth(int col);

    // For the desktops: cells by position, without moving the current cell.
    int rowCount() const { return rows_; }
    int colCount() const { return cols_; }
    const QString& cellText(int row, int col) const;
    int cellAlignment(int row, int col) const;
    double colWidth(int col) const { return widths_[col]; }
    // A click on a cell, as the user makes it: the cell becomes current, then Click fires.
    void clickCell(int row, int col);

private:
    struct Cell {
        QString text;
        int alignment = flexAlignLeftCenter;
    };
    Cell& current();
    void resize(int rows, int cols);

    int rows_ = 2;
    int cols_ = 2;
    int row_ = 1;
    int col_ = 0;
    std::vector<Cell> cells_;  // row-major, rows_ x cols_
    std::vector<double> widths_;
};

}  // namespace platform::forms
