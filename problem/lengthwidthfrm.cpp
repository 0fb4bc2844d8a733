#include "problem/lengthwidthfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "problem/lwratiofrm.h"

#include <cmath>

specxyfrm::specxyfrm() : Form("specxyfrm", "Specify Length and Width Ratios") {
    forms::place(Label1, 240, 240, 1800, 300);
    forms::place(lenxtxt, 2160, 240, 1200, 300);
    forms::place(Label2, 240, 660, 1800, 300);
    forms::place(widxtxt, 2160, 660, 1200, 300);
    forms::place(okbut, 240, 1200, 1500, 420);
    forms::place(backbut, 1860, 1200, 1500, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void specxyfrm::backbut_Click() {
    close();
    lwratiofrm ratio;
    ratio.show_modal();
}

void specxyfrm::okbut_Click() {
    Module1& m = module1();
    const double length = numtext::val(lenxtxt.text());
    const double width = numtext::val(widxtxt.text());
    // A length or width that is not a positive number gives no ratio.
    if (!(length > 0) || !(width > 0)) {
        m.msgbox("Length and width must be greater than 0!");
        return;
    }
    const double r = length / width;
    // Lengths and widths far enough apart give a ratio beyond any number.
    if (!std::isfinite(r) || !(r > 0)) {
        m.msgbox("Length and width are too far apart to give a ratio!");
        return;
    }
    m.lwratio = r;
    if (r == 1) {
        lwratiofrm::setpreset(lwratiofrm::square);
    } else if (r >= 1.35) {
        // The drawing keeps its full width; its height shrinks to whole thirds.
        m.drawwidth = 450;
        m.drawheight = 150 * 1.35 / r;
        m.ratioaux1 = 19;
        m.drawcellwidth = 150;
        m.drawcellheight = std::floor(m.drawheight / 3);
        m.drawheight = 3 * m.drawcellheight;
        m.ratioaux2 = r >= 7 ? 1 : 2;
    } else {
        // The drawing keeps its full height; its width shrinks to whole thirds.
        m.drawheight = 150;
        m.drawwidth = 450 * r / 1.35;
        m.drawcellheight = 50;
        m.drawcellwidth = std::floor(m.drawwidth / 3);
        m.drawwidth = 3 * m.drawcellwidth;
    }
    close();
}
