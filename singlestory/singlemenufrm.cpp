#include "singlestory/singlemenufrm.h"

#include "model/module1.h"
#include "model/tableindex.h"
#include "problem/mainmenufrm.h"
#include "singlestory/automsearchfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/improvementalgorithmform.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"

#include <algorithm>

singlemenufrm::singlemenufrm() : Form("singlemenufrm", "Single Story Menu") {
    for (forms::Label* l : {&Label1, &Label2, &useprodflowlbl})
        l->setAlignment(Qt::AlignCenter);
    if (module1().program == Program::storeymany) {
        randombut.setCaption("2. Random Layout");
        autobut.setCaption("4. Automatic Search");
        manualbut.setCaption("1. Manually Insert Departments");
        reviewbut.setCaption("5. Review Saved Layouts");
        tablebut.setCaption("6. Table of Saved Layouts");
        column({&Label1, &Label2, &useprodflowlbl, &manualbut, &randombut, &improvebut, &autobut,
                &reviewbut, &tablebut, &backbut},
               480, 240, 4800);
    } else {
        improvebut.setvisible(false);
        column({&Label1, &Label2, &useprodflowlbl, &randombut, &autobut, &manualbut, &reviewbut,
                &tablebut, &backbut},
               480, 240, 6000);
    }
    randombut.onclick = [this] { randombut_Click(); };
    autobut.onclick = [this] { autobut_Click(); };
    manualbut.onclick = [this] { manualbut_Click(); };
    improvebut.onclick = [this] { improvebut_Click(); };
    reviewbut.onclick = [this] { reviewbut_Click(); };
    tablebut.onclick = [this] { tablebut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void singlemenufrm::Form_Load() {
    const Module1& m = module1();
    Label2.setpath(m.problemfile);
    useprodflowlbl.setCaption(mainmenufrm::chartlabel(m.chartsource));
}

void singlemenufrm::showlayout() {
    Module1& m = module1();
    // Not a saved layout: the display numbers it as the entry it would become,
    // whatever an earlier review, table or deletion left in curlayout.
    m.curlayout = 0;
    display1frm display;
    display.show_modal();
}

void singlemenufrm::randombut_Click() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    if (m.program == Program::storeyone) {
        // Every department is placed afresh, those placed by hand included.
        for (int i = 1; i <= n; ++i)
            m.deptpos[i] = 0;
        for (int z = 1; z <= 9; ++z) {
            m.zoneright[z] = 0;
            m.zoneleft[z] = 0;
            m.zonearea[z] = 0;
        }
    }
    m.randomlayout();
    showlayout();
    m.restorefixedlayout();
}

void singlemenufrm::autobut_Click() {
    automsearchfrm search;
    search.show_modal();
}

void singlemenufrm::manualbut_Click() {
    Module1& m = module1();
    m.clearlayouts();
    {
        manualdeptfrm manual;
        manual.show_modal();
    }
    if (m.program == Program::storeymany) return;
    // The departments not placed by hand go to random free sides.
    m.randomlayout();
    showlayout();
}

void singlemenufrm::improvebut_Click() {
    if (module1().nsavedlayouts.num() <= 0) {
        module1().msgbox("No layouts currently saved");
        return;
    }
    improvementalgorithmform walk;
    walk.show_modal();
}

void singlemenufrm::reviewbut_Click() {
    Module1& m = module1();
    if (m.nsavedlayouts.num() <= 0) {
        m.msgbox("No layouts saved!");
        return;
    }
    m.reviewsavedlayouts();
}

void singlemenufrm::tablebut_Click() {
    Module1& m = module1();
    m.batchmode = 1;
    {
        tablesavedlayoutsfrm table;
        table.show_modal();
    }
    m.batchmode = 0;
}

void singlemenufrm::backbut_Click() {
    close();
}
