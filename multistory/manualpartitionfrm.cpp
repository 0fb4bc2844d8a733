#include "multistory/manualpartitionfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "multistory/manualpartition2frm.h"

#include <algorithm>
#include <cmath>

manualpartitionfrm::manualpartitionfrm() : Form("manualpartitionfrm", "Manual Partition") {
    forms::place(Label1, 480, 480, 3255, 375);
    forms::place(svnstortxt, 3960, 420, 615, 375);
    forms::place(contbut, 480, 1320, 1935, 495);
    forms::place(backbut, 2640, 1320, 2295, 495);
    setClientSize(5400, 2160);
    contbut.onclick = [this] { contbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void manualpartitionfrm::contbut_Click() {
    Module1& m = module1();
    const bool many = m.program == Program::storeymany;
    // A manual partition has no desired factor (storeyone keeps the one it had).
    if (many) m.desiredadf = "";
    const double stories = std::floor(numtext::val(svnstortxt.text()));
    // The count is kept even when refused (the entry window is never opened
    // with it); a far-off number saturates.
    m.nstories = int(std::clamp(stories, -1e9, 1e9));
    if (stories > 1 && stories < 7) {
        close();
        manualpartition2frm entry;
        entry.show_modal();
        return;
    }
    m.msgbox("Value must be between 2 and 6");
    if (many) svnstortxt.setText("");
}

void manualpartitionfrm::backbut_Click() {
    close();
}
