#include "platform/forms/grid.h"

#include "platform/core/error.h"

namespace platform::forms {

Grid::Grid(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::Grid, HasFont::yes),
      Rows([this] { return rows_; }, [this](const int& n) { resize(n, cols_); }),
      Cols([this] { return cols_; }, [this](const int& n) { resize(rows_, n); }),
      Row([this] { return row_; },
          [this](const int& r) {
              if (r < 0 || r >= rows_) {
                  raise(err::InvalidRow, Name());
              }
              row_ = r;
          }),
      Col([this] { return col_; },
          [this](const int& c) {
              if (c < 0 || c >= cols_) {
                  raise(err::InvalidCol, Name());
              }
              col_ = c;
          }),
      Text([this] { return current().text; }, [this](const QString& t) { current().text = t; }),
      CellAlignment([this] { return current().alignment; },
                    [this](const int& a) { current().alignment = a; }) {
    cells_.resize(static_cast<std::size_t>(rows_ * cols_));
    widths_.assign(static_cast<std::size_t>(cols_), 1000.0);
    addProperty(
        QStringLiteral("Rows"), [this] { return platform::Value(rows_); },
        [this](const platform::Value& v) { Rows = static_cast<int>(v.toLongLong()); });
    addProperty(
        QStringLiteral("Cols"), [this] { return platform::Value(cols_); },
        [this](const platform::Value& v) { Cols = static_cast<int>(v.toLongLong()); });
    addProperty(
        QStringLiteral("Row"), [this] { return platform::Value(row_); },
        [this](const platform::Value& v) { Row = static_cast<int>(v.toLongLong()); });
    addProperty(
        QStringLiteral("Col"), [this] { return platform::Value(col_); },
        [this](const platform::Value& v) { Col = static_cast<int>(v.toLongLong()); });
    addProperty(
        QStringLiteral("Text"), [this] { return platform::Value(current().text); },
        [this](const platform::Value& v) { current().text = v.toText(); });
}

Grid::Cell& Grid::current() {
    return cells_[static_cast<std::size_t>(row_ * cols_ + col_)];
}

void Grid::resize(int rows, int cols) {
    if (rows < FixedRows || cols < 1) {
        raise(err::InvalidPropertyValue, Name());
    }
    if (cols == cols_) {
        // Rows added or dropped at the end leave the other cells where they are: a grid filled
        // a row at a time (Rows = Rows + 1) grows in amortised constant time per row.
        cells_.resize(static_cast<std::size_t>(rows * cols));
    } else {
        std::vector<Cell> cells(static_cast<std::size_t>(rows * cols));
        for (int r = 0; r < std::min(rows, rows_); ++r) {
            for (int c = 0; c < std::min(cols, cols_); ++c) {
                cells[static_cast<std::size_t>(r * cols + c)] =
                    std::move(cells_[static_cast<std::size_t>(r * cols_ + c)]);
            }
        }
        cells_ = std::move(cells);
    }
    widths_.resize(static_cast<std::size_t>(cols), 1000.0);
    rows_ = rows;
    cols_ = cols;
    row_ = std::min(row_, rows_ - 1);
    col_ = std::min(col_, cols_ - 1);
}

double& Grid::ColWidth(int col) {
    if (col < 0 || col >= cols_) {
        raise(err::InvalidCol, Name());
    }
    return widths_[static_cast<std::size_t>(col)];
}

const QString& Grid::cellText(int row, int col) const {
    return cells_[static_cast<std::size_t>(row * cols_ + col)].text;
}

int Grid::cellAlignment(int row, int col) const {
    return cells_[static_cast<std::size_t>(row * cols_ + col)].alignment;
}

void Grid::clickCell(int row, int col) {
    Row = row;
    Col = col;
    if (Click) {
        Click();
    }
}

}  // namespace platform::forms
