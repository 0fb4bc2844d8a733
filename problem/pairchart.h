#pragma once
// The triangular chart of department pairs that several windows show: row
// numbers and names down the left, column numbers 2..18 across the top, a
// dotted leader line under each row and one box per pair i < j. Box positions
// never depend on the department count: pair (i, j) always lies in box
// pairbox(i, j), in row order from (1, 2) in box 0 to (17, 18) in box 152, and
// the boxes of pairs beyond the count are simply hidden.
//
// A window embeds one as a member, constructed with the window, the kind of
// pair box and the number of leader lines it carries.

#include "forms/controls.h"
#include "model/module1.h"

#include <array>
#include <string>

class pairchart final {
public:
    // entry: pair boxes the user types into; display: boxes that only show.
    enum class Boxes { entry, display };
    static constexpr int npairboxes = maxdept * (maxdept - 1) / 2;

    // left, top: the chart's top left corner in the window, in twips.
    pairchart(forms::Form* form, Boxes kind, int leaders, int left, int top);

    // The box of pair (i, j), 1 <= i < j <= 18.
    static constexpr int pairbox(int i, int j) { return 17 * (i - 1) - (i - 1) * i / 2 + j - 2; }
    forms::TextBox& pair(int i, int j) { return reltxt[pairbox(i, j)]; }

    // Hides every row, column number, leader line and pair box.
    void hideall();
    // Shows column numbers 2..n, the leader lines of rows 1..n - 1 and rows
    // 1..n with their number and name (n is held to 0..18).
    void showheadings(int n, const Table<std::string, 19>& names);

    // Remembers what every pair box shows now, once the window has filled
    // them, so that Continue can tell the boxes the user changed. A chart
    // that opens empty in place of what is stored (a new problem's) is
    // given `stored` false: every box of it counts as changed.
    void remember(bool stored);
    // Whether the box of pair (i, j) no longer shows what it showed when
    // remembered, or the chart did not show what is stored.
    bool changed(int i, int j) const;
    // Whether any box of the pairs of departments 1..n changed so.
    bool anychanged(int n) const;

    // The chart's right and bottom edges in twips, for placing what follows.
    int right() const;
    int bottom() const;

    // Leader lines first, so that the boxes lie over them.
    forms::ControlArray<forms::Label> Label2;
    forms::ControlArray<forms::TextBox> itxt;
    forms::ControlArray<forms::TextBox> nmdpttxt;
    forms::ControlArray<forms::TextBox> jtxt;
    forms::ControlArray<forms::TextBox> reltxt;

private:
    int left_, top_;
    bool stored_ = false;
    std::array<std::string, npairboxes> shown_{};
};
