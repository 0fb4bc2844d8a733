#include "multistory/msprintpartitionfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "multistory/exchangebtwstoriesfrm.h"

#include <algorithm>

msprintpartitionfrm::msprintpartitionfrm() : Form("msprintpartitionfrm", "MS Print Partition") {
    forms::place(deptframe, 240, 120, 3000, 300);
    for (int i = 0; i < deptlbl.count(); ++i) {
        forms::place(deptlbl[i], 360, 480 + 300 * i, 2880, 285);
        deptlbl[i].setvisible(false);
    }
    forms::place(storyframe, 3480, 120, 4800, 300);
    forms::place(storyareahdr, 8400, 120, 1560, 300);
    for (int s = 0; s < storylbl.count(); ++s) {
        forms::place(storylbl[s], 3600, 480 + 480 * s, 1440, 375);
        forms::place(deptsonlbl[s], 5160, 480 + 480 * s, 3120, memberheight);
        forms::place(storyarealbl[s], 8400, 480 + 480 * s, 1560, 375);
        storylbl[s].setvisible(false);
        deptsonlbl[s].setvisible(false);
    }
    forms::place(asdifhdr, 3600, 3480, 3000, 375);
    forms::place(asdiflbl, 6720, 3480, 1200, 375);
    forms::place(sdifhdr, 3600, 3960, 3000, 375);
    forms::place(sdiflbl, 6720, 3960, 1200, 375);
    forms::place(partscorehdr, 3600, 4440, 3000, 375);
    forms::place(partscorelbl, 6720, 4440, 3240, 375);
    forms::place(prntbut, 3600, 5160, 1215, 495);
    forms::place(Savebut, 4920, 5160, 1215, 495);
    forms::place(exchangebut, 6240, 5160, 1215, 495);
    forms::place(contbut, 7560, 5160, 1215, 495);
    setClientSize(10200, 6000);
    prntbut.onclick = [this] { prntbut_Click(); };
    Savebut.onclick = [this] { Savebut_Click(); };
    exchangebut.onclick = [this] { exchangebut_Click(); };
    contbut.onclick = [this] { contbut_Click(); };
}

std::string msprintpartitionfrm::adftext(const Cell& factor) {
    return factor.isnumber() ? numtext::format(factor, "0.00") : "";
}

void msprintpartitionfrm::Form_Load() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i) {
        deptlbl[i - 1].setCaption(numtext::str(i) + ". " + m.deptname[i]);
        deptlbl[i - 1].setvisible(true);
    }
    const int stories = std::clamp(m.nstories, 0, maxstories);
    for (int s = 1; s <= stories; ++s) {
        storylbl[s - 1].setCaption("Story / site " + numtext::str(s) + ".");
        storylbl[s - 1].setvisible(true);
        std::string members;
        const int count = std::clamp(m.storycount[s], 0, maxdept);
        for (int k = 1; k <= count; ++k)
            members += numtext::str(m.storymembers[s][k]) + " ";
        deptsonlbl[s - 1].setCaption(members);
        deptsonlbl[s - 1].setvisible(true);
        storyarealbl[s - 1].setCaption(numtext::str(m.storyarea[s]));
    }
    m.displayactualadf();
    asdiflbl.setCaption(numtext::format(m.actualadf, "0.00"));
    sdiflbl.setCaption(adftext(m.desiredadf));
    partscorelbl.setCaption(numtext::format(m.partscore / m.maxadjscore, "0.00") + " = (" +
                            numtext::format(m.partscore, "0") + " / " +
                            numtext::format(m.maxadjscore, "0") + ")");
}

void msprintpartitionfrm::prntbut_Click() {
    printform();
}

void msprintpartitionfrm::Savebut_Click() {
    Module1& m = module1();
    if (m.nsavedpart.num() + 1 > maxsavedpart) {
        m.msgbox("Maximum number already saved.");
        m.nsavedpart = maxsavedpart;
        return;
    }
    m.msgbox("Partion saved to memory, original problem must still be saved under main menu.");
    m.savepartition();
    close();
}

void msprintpartitionfrm::exchangebut_Click() {
    {
        exchangebtwstoriesfrm exchange;
        exchange.show_modal();
    }
    // The display opens anew so that it shows the partition as it now stands.
    close();
    msprintpartitionfrm display;
    display.show_modal();
}

void msprintpartitionfrm::contbut_Click() {
    close();
}
