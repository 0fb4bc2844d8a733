#pragma once
// Grid: rows and columns of text cells with a current cell, as the table
// windows use it (rows, cols, column widths in twips, row, col, text, redraw).

#include <QTableWidget>

#include <string>
#include <string_view>

namespace forms {

class Form;

class Grid final : public QTableWidget {
public:
    Grid(Form* form, std::string_view name);
    int rows() const { return rowCount(); }
    void setrows(int n);
    int cols() const { return columnCount(); }
    void setcols(int n);
    void setcolwidth(int col, int twips);
    int row() const { return row_; }
    void setrow(int r);
    int col() const { return col_; }
    void setcol(int c);
    std::string text() const;            // text of the current cell
    void setText(std::string_view text); // text of the current cell
    std::string textat(int r, int c) const;
    void setredraw(bool on);

private:
    int row_ = 0, col_ = 0;
};

} // namespace forms
