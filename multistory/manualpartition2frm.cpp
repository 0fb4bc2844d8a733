#include "multistory/manualpartition2frm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "multistory/msprintpartitionfrm.h"

#include <algorithm>
#include <cmath>

manualpartition2frm::manualpartition2frm() : Form("manualpartition2frm", "Manual Partition 2") {
    forms::place(deptframe, 240, 120, 3000, 300);
    for (int i = 0; i < deptlbl.count(); ++i) {
        forms::place(deptlbl[i], 360, 480 + 300 * i, 2880, 285);
        deptlbl[i].setvisible(false);
    }
    forms::place(storyframe, 3480, 120, 5400, 300);
    for (int s = 0; s < storylbl.count(); ++s) {
        forms::place(storylbl[s], 3600, 480 + 480 * s, 1440, 375);
        forms::place(deptsonlbl[s], 5160, 480 + 480 * s, 3720, msprintpartitionfrm::memberheight);
        storylbl[s].setvisible(false);
        deptsonlbl[s].setvisible(false);
    }
    forms::place(currentdeptlbl, 3600, 3600, 3960, 375);
    forms::place(itxt, 7680, 3540, 735, 375);
    forms::place(enterbut, 3600, 4320, 1215, 495);
    forms::place(nextbut, 4920, 4320, 1935, 495);
    forms::place(contbut, 3600, 5040, 1215, 495);
    forms::place(cancelbut, 4920, 5040, 1215, 495);
    setClientSize(9120, 6000);
    enterbut.onclick = [this] { enterbut_Click(); };
    nextbut.onclick = [this] { nextbut_Click(); };
    contbut.onclick = [this] { contbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

void manualpartition2frm::Form_Load() {
    Module1& m = module1();
    m.curstory = 1;
    m.nassigned = 0;
    for (int s = 1; s <= maxstories; ++s) {
        m.storycount[s] = 0;
        m.storyarea[s] = 0;
        for (int k = 1; k <= maxdept; ++k)
            m.storymembers[s][k] = 0;
    }
    for (int i = 1; i <= maxdept; ++i)
        m.storyofdept[i] = 0;
    showcurrentstory();
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i) {
        deptlbl[i - 1].setCaption(numtext::str(i) + ". " + m.deptname[i]);
        deptlbl[i - 1].setvisible(true);
    }
    const int stories = std::clamp(m.nstories, 0, maxstories);
    for (int s = 1; s <= stories; ++s) {
        storylbl[s - 1].setCaption("Story / site " + numtext::str(s) + ".");
        storylbl[s - 1].setvisible(true);
        deptsonlbl[s - 1].setvisible(true);
    }
}

void manualpartition2frm::showcurrentstory() {
    currentdeptlbl.setCaption("Enter departments for site / story " +
                              numtext::str(module1().curstory));
    currentdeptlbl.repaint();
}

void manualpartition2frm::clearentry() {
    itxt.setText("");
    itxt.setfocus();
}

void manualpartition2frm::enterbut_Click() {
    Module1& m = module1();
    const double typed = std::floor(numtext::val(itxt.text()));
    const int s = m.curstory;
    if (typed > m.ndept || typed < 1) {
        m.msgbox("Department number is outside range.");
    } else if (const int d = int(typed); m.storyofdept[d] != 0) {
        m.msgbox("Department number already assigned.");
    } else if (s >= 1 && s <= maxstories && m.storycount[s] < maxdept) {
        m.storycount[s] += 1;
        m.storymembers[s][m.storycount[s]] = d;
        m.storyofdept[d] = s;
        m.storyarea[s] = m.storyarea[s] + m.deptarea[d];
        m.nassigned += 1;
        forms::Label& members = deptsonlbl[s - 1];
        const std::string number = numtext::format(d, "0");
        members.setCaption(members.caption().empty() ? number : members.caption() + ", " + number);
        members.repaint();
    }
    clearentry();
}

void manualpartition2frm::nextbut_Click() {
    Module1& m = module1();
    if (m.curstory < m.nstories) {
        m.curstory += 1;
        showcurrentstory();
        clearentry();
    } else if (m.nassigned < m.ndept) {
        m.msgbox("Not all departments were assigned.");
    } else {
        close();
    }
}

void manualpartition2frm::contbut_Click() {
    Module1& m = module1();
    if (m.nassigned < m.ndept) {
        m.msgbox("Not all departments were assigned.");
        return;
    }
    m.scorepartition();
    close();
    msprintpartitionfrm display;
    display.show_modal();
}

void manualpartition2frm::cancelbut_Click() {
    close();
}
