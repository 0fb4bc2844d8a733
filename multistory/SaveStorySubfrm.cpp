#include "multistory/SaveStorySubfrm.h"

#include "model/module1.h"
#include "model/numtext.h"

#include <algorithm>
#include <cmath>

SaveStorySubfrm::SaveStorySubfrm() : Form("SaveStorySubfrm", "Save Story / Site") {
    Label1.setCaption(module1().program == Program::storeyone ? "Layout number to save"
                                                              : "Partition number to save");
    forms::place(Label1, 480, 480, 2655, 375);
    forms::place(ntxt, 3360, 420, 615, 375);
    forms::place(contbut, 480, 1200, 1935, 495);
    forms::place(backbut, 2640, 1200, 2295, 495);
    for (int s = 0; s < filelbl.count(); ++s)
        forms::place(filelbl[s], 480, 1920 + 420 * s, 4455, 375);
    setClientSize(5400, 4560);
    contbut.onclick = [this] { contbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void SaveStorySubfrm::Form_Load() {
    for (int s = 0; s < filelbl.count(); ++s)
        filelbl[s].setCaption("");
}

void SaveStorySubfrm::contbut_Click() {
    Module1& m = module1();
    // A number with a fraction names the partition of its whole part.
    const double p = std::floor(numtext::val(ntxt.text()));
    // The number typed is kept even when refused; a far-off number saturates.
    m.exportpartno = int(std::clamp(p, -1e9, 1e9));
    if (p < 1 || p > std::clamp(m.nsavedpart.whole(), 0L, long(maxsavedpart))) {
        m.msgbox("Partition number out of range.");
        return;
    }
    m.savestoryfiles();
    const int stories = std::clamp(m.nstories, 0, maxstories);
    for (int s = 1; s <= stories; ++s)
        filelbl[s - 1].setpath(m.problemfile + "-" + numtext::str(s));
}

void SaveStorySubfrm::backbut_Click() {
    close();
}
