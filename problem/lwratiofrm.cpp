#include "problem/lwratiofrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "problem/lengthwidthfrm.h"

lwratiofrm::lwratiofrm() : Form("lwratiofrm", "Length to Width Ratio") {
    forms::place(Label1, 240, 240, 5400, 300);
    forms::place(Label2, 1440, 660, 1200, 285);
    forms::place(Label3, 2760, 660, 1200, 285);
    forms::CommandButton* options[] = {&opt1but, &opt2but, &opt3but, &opt4but, &opt5but};
    for (int k = 0; k < 5; ++k) {
        const int y = 1020 + k * 480;
        forms::place(sellbl[k], 240, y, 1080, 300);
        sellbl[k].setCaption("Sel. " + numtext::format(k + 1, "0"));
        forms::place(*options[k], 1440, y, 2520, 390);
    }
    forms::place(backbut, 1440, 1020 + 5 * 480 + 120, 2520, 390);
    fit();
    opt1but.onclick = [this] { opt1but_Click(); };
    opt2but.onclick = [this] { opt2but_Click(); };
    opt3but.onclick = [this] { opt3but_Click(); };
    opt4but.onclick = [this] { opt4but_Click(); };
    opt5but.onclick = [this] { opt5but_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void lwratiofrm::Form_Load() {
    Module1& m = module1();
    if (m.lwratio.num() == 0) m.lwratio = 1.35;
}

void lwratiofrm::setpreset(const Preset& p) {
    Module1& m = module1();
    // Whole ratios are kept as whole numbers, as typed presets are.
    m.lwratio = p.lwratio == int(p.lwratio) ? Cell(int(p.lwratio)) : Cell(p.lwratio);
    m.drawwidth = p.drawwidth;
    m.drawheight = p.drawheight;
    m.drawcellwidth = p.drawcellwidth;
    m.drawcellheight = p.drawcellheight;
    m.ratioaux1 = p.ratioaux1;
    m.ratioaux2 = p.ratioaux2;
    m.ratioaux3 = p.ratioaux3;
}

void lwratiofrm::choose(const Preset& p) {
    setpreset(p);
    close();
}

void lwratiofrm::opt1but_Click() {
    constexpr Module1::DrawingBox box = Module1::defaultbox;
    choose({defaultratio, box.width, box.height, box.cellwidth, box.cellheight, 19, 6, 15});
}

void lwratiofrm::opt2but_Click() {
    choose({2, 450, 102, 150, 34, 19, 4, 15});
}

void lwratiofrm::opt3but_Click() {
    choose(square);
}

void lwratiofrm::opt4but_Click() {
    choose({0.5, 165, 150, 55, 50, 8, 6, 15});
}

void lwratiofrm::opt5but_Click() {
    close();
    specxyfrm specify;
    specify.show_modal();
}

void lwratiofrm::backbut_Click() {
    close();
}
