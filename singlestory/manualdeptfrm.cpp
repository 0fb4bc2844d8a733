#include "singlestory/manualdeptfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"

#include <algorithm>
#include <string>

namespace {

// The box is drawn in two coordinate systems: the heading and the legend in
// its pixels, the zone grid and the list of placements in the 640 x 200 scale.
// Its size keeps them apart: the legend rows lie below the grid's last pixel
// and the list stays left of the grid.
constexpr int boxleft = 240, boxtop = 240, boxwidth = 13500, boxheight = 9000;

// The selected item of a list, from 0, deselected once read; -1 when none.
int takeselection(forms::ListBox& list) {
    int taken = -1;
    for (int i = 0; i < list.listcount(); ++i) {
        if (!list.selected(i)) continue;
        taken = i;
        list.setselected(i, false);
    }
    return taken;
}

// Zone number of a zone letter, 1 to 9; the list shows the letters in zone
// order, so the item's place stands in should the letters not be set.
int zonenumber(const Module1& m, const std::string& letter, int item) {
    for (int z = 1; z <= 9; ++z)
        if (m.zoneletter[z] == letter) return z;
    return item + 1;
}

} // namespace

manualdeptfrm::manualdeptfrm() : Form("manualdeptfrm", "Manual Departments") {
    forms::place(layoutbox, boxleft, boxtop, boxwidth, boxheight);
    const int right = boxleft + boxwidth + 240;
    constexpr int listwidth = 4320;
    forms::place(deptlbl, right, 240, listwidth, 285);
    forms::place(deptlst, right, 540, listwidth, 3000);
    forms::place(zonelbl, right, 3720, 1560, 285);
    forms::place(zonelst, right, 4020, 1560, 2460);
    forms::place(sidelbl, right + 2760, 3720, 1560, 285);
    forms::place(sidelst, right + 2760, 4020, 1560, 600);
    forms::place(manualbut, right, 6720, listwidth, 495);
    forms::place(okbut, right, 7440, listwidth, 495);
    forms::place(donebut, right, 8160, listwidth, 495);
    setClientSize(right + listwidth + 240, boxtop + boxheight + 240);
    manualbut.onclick = [this] { manualbut_Click(); };
    okbut.onclick = [this] { okbut_Click(); };
    donebut.onclick = [this] { donebut_Click(); };
}

void manualdeptfrm::Form_Load() {
    Module1& m = module1();
    const bool one = m.program == Program::storeyone;
    m.nfixlisted = 0;
    donebut.setvisible(false);
    layoutbox.fontname("Times New Roman");
    layoutbox.moveto(5, 2);
    layoutbox.print("Fixed Depts");
    m.hasfixed = 0;

    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i) {
        const int row = (i - 1) / 6 + 1;
        const int first = row == 1 ? 1 : row == 2 ? 7 : 13;
        const double x = one ? 40 + 145 * (i - first) : 1 + 96 * (i - first);
        const double y = one ? 500 + 12 * row : 400 + 12 * row;
        layoutbox.moveto(x, y);
        layoutbox.print(numtext::printed(i) + " " + m.deptname[i]);
    }

    layoutbox.scale(0, 0, 640, 200);
    m.sizelayout();
    drawgrid();

    for (int i = 1; i <= n; ++i)
        deptlst.additem(numtext::str(i) + " - " + m.deptname[i]);
    for (const char* letter : {"A", "B", "C", "D", "E", "F", "G", "H", "I"})
        zonelst.additem(letter);
    sidelst.additem("Left");
    sidelst.additem("Right");
}

void manualdeptfrm::drawgrid() {
    const Module1& m = module1();
    const double w = m.drawwidth, h = m.drawheight;
    const double cw = m.drawcellwidth, ch = m.drawcellheight;
    // Outline, then the inner lines, each from where the last one ended.
    layoutbox.moveto(100, 5);
    const double moves[][2] = {{w, 0},  {0, h},  {-w, 0}, {0, -h}, {cw, 0}, {0, h}, {cw, 0},
                               {0, -h}, {cw, 0}, {0, ch}, {-w, 0}, {0, ch}, {w, 0}};
    for (const auto& d : moves)
        layoutbox.linerel(d[0], d[1]);

    if (m.gridflag.num() == 5) return;
    for (int z = 1; z <= 9; ++z) {
        const int band = (z - 1) / 3 + 1;
        const int column = (z - 1) % 3 + 1;
        layoutbox.moveto(100 + cw / 2 + cw * (column - 1), 5 + ch / 2 + ch * (band - 1));
        layoutbox.print(m.zonelabel[z]);
    }
}

void manualdeptfrm::manualbut_Click() {
    Module1& m = module1();
    // The lists are read in order; a list after one without a selection is not
    // read, and only the first missing selection is reported.
    const int deptitem = takeselection(deptlst);
    if (deptitem < 0) {
        m.msgbox("Department not selected");
        return;
    }
    const int zoneitem = takeselection(zonelst);
    if (zoneitem < 0) {
        m.msgbox("Zone not selected");
        return;
    }
    const int sideitem = takeselection(sidelst);
    if (sideitem < 0) {
        m.msgbox("Side not selected");
        return;
    }

    const int d = deptitem + 1;
    const std::string letter = zonelst.list(zoneitem);
    const int z = zonenumber(m, letter, zoneitem);
    const int s = sideitem + 1;
    // A department takes one side, and a side holds one department.
    if (m.deptpos[d] != 0) {
        m.msgbox("Department already placed");
        return;
    }
    int& side = s == 1 ? m.zoneleft[z] : m.zoneright[z];
    if (side != 0) {
        m.msgbox("Side already occupied");
        return;
    }

    m.zonearea[z] = m.zonearea[z] + m.deptarea[d];
    m.nfixlisted = m.nfixlisted + 1;
    layoutbox.moveto(5, 12 * m.nfixlisted);
    layoutbox.print(numtext::printed(d) + letter + "-" + (s == 1 ? "L" : "R"));
    m.deptpos[d] = 100 * z + s;
    side = d;
    m.hasfixed = 1;
}

void manualdeptfrm::keepplacements() {
    Module1& m = module1();
    if (m.hasfixed == 1) {
        const int n = problemsize(m.ndept);
        for (int i = 1; i <= n; ++i)
            m.fixdeptpos[i] = m.deptpos[i];
        for (int z = 1; z <= 9; ++z) {
            m.fixzonearea[z] = m.zonearea[z];
            m.fixzoneright[z] = m.zoneright[z];
            m.fixzoneleft[z] = m.zoneleft[z];
        }
    }
    close();
}

void manualdeptfrm::okbut_Click() {
    keepplacements();
}

void manualdeptfrm::donebut_Click() {
    keepplacements();
}

void manualdeptfrm::msorderdeptarea() {
    module1().sortdeptsbyarea();
}
