#include "forms/grid.h"

#include "forms/form.h"

#include <QHeaderView>

#include <stdexcept>

namespace forms {

namespace {

// A new grid has two rows and two columns, as the table windows expect
// before they size it; cells are 285 twips high and 960 wide.
constexpr int defaultrows = 2, defaultcols = 2;
constexpr int rowtwips = 285, coltwips = 960;

void check(int i, int n, const char* what) {
    if (i < 0 || i >= n)
        throw std::out_of_range(std::string("grid ") + what + " " + std::to_string(i) +
                                " outside 0.." + std::to_string(n - 1));
}

} // namespace

Grid::Grid(Form* form, std::string_view name) : QTableWidget(form) {
    setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    // The grid shows text only; its cells are written by the program.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(px(rowtwips));
    horizontalHeader()->setDefaultSectionSize(px(coltwips));
    setWordWrap(false);
    // Text that does not fit is cut at the cell's edge, without an ellipsis.
    setTextElideMode(Qt::ElideNone);
    setStyleSheet("QTableView::item { padding: 0px 1px; }");
    setrows(defaultrows);
    setcols(defaultcols);
}

void Grid::setrows(int n) {
    if (n < 0) throw std::out_of_range("grid rows " + std::to_string(n));
    setRowCount(n);
    row_ = std::max(0, std::min(row_, n - 1));
}

void Grid::setcols(int n) {
    if (n < 0) throw std::out_of_range("grid cols " + std::to_string(n));
    setColumnCount(n);
    col_ = std::max(0, std::min(col_, n - 1));
}

void Grid::setcolwidth(int col, int twips) {
    check(col, cols(), "column");
    setColumnWidth(col, px(twips));
}

void Grid::setrow(int r) {
    check(r, rows(), "row");
    row_ = r;
}

void Grid::setcol(int c) {
    check(c, cols(), "column");
    col_ = c;
}

std::string Grid::text() const {
    return textat(row_, col_);
}

void Grid::setText(std::string_view text) {
    check(row_, rows(), "row");
    check(col_, cols(), "column");
    QTableWidgetItem* it = item(row_, col_);
    if (!it) {
        it = new QTableWidgetItem;
        // Row 0 and column 0 are the headings.
        if (row_ == 0 || col_ == 0) it->setBackground(palette().button());
        setItem(row_, col_, it);
    }
    it->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

std::string Grid::textat(int r, int c) const {
    check(r, rows(), "row");
    check(c, cols(), "column");
    const QTableWidgetItem* it = item(r, c);
    return it ? it->text().toStdString() : std::string();
}

void Grid::setredraw(bool on) {
    setUpdatesEnabled(on);
    if (on) viewport()->update();
}

} // namespace forms
