#include "problem/editfrm.h"

#include "model/module1.h"
#include "problem/flowfrm.h"
#include "problem/lwratiofrm.h"
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "problem/relfrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"

#include <QApplication>

editfrm::editfrm() : Form("editfrm", "Edit") {
    const bool many = module1().program == Program::storeymany;
    areabut.setCaption(many ? "1.  Adjust Area / Relationship Info"
                            : "Adjust Area / Relationship Info");
    lwratiobut.setCaption(many ? "2.  Adjust L/W Ratio" : "Adjust L/W Ratio");
    for (forms::Label* l : {&Label1, &Label2, &useprodflowlbl})
        l->setAlignment(Qt::AlignCenter);
    if (many) {
        // storeymany keeps the ratio button hidden and has none of the chart buttons.
        for (forms::CommandButton* b : {&lwratiobut, &prodbut, &prodflowbut, &resrelbut})
            b->setvisible(false);
        column({&Label1, &Label2, &useprodflowlbl, &areabut, &backbut}, 480, 240, 5400);
    } else {
        column({&Label1, &Label2, &useprodflowlbl, &areabut, &lwratiobut, &prodbut, &prodflowbut,
                &resrelbut, &backbut},
               480, 240, 5400);
    }
    areabut.onclick = [this] { areabut_Click(); };
    lwratiobut.onclick = [this] { lwratiobut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
    prodbut.onclick = [this] { prodbut_Click(); };
    prodflowbut.onclick = [this] { prodflowbut_Click(); };
    resrelbut.onclick = [this] { resrelbut_Click(); };
}

void editfrm::showchartlabels(std::string_view label) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* menu = dynamic_cast<editfrm*>(w); menu && menu->isopen())
            menu->useprodflowlbl.setCaption(label);
    if (mainmenufrm* menu = mainmenufrm::current()) menu->useprodflowlbl.setCaption(label);
}

void editfrm::Form_Load() {
    const Module1& m = module1();
    Label2.setpath(m.problemfile);
    showchartlabels(mainmenufrm::chartlabel(m.chartsource));
}

void editfrm::areabut_Click() {
    close();
    mainfrm departments;
    departments.show_modal();
}

void editfrm::lwratiobut_Click() {
    close();
    lwratiofrm ratio;
    ratio.show_modal();
    // The building takes the chosen shape before anything is shown or saved.
    Module1& m = module1();
    m.sizebuilding(m.lwratio);
}

void editfrm::backbut_Click() {
    close();
}

void editfrm::prodbut_Click() {
    flowfrm loads;
    loads.show_modal();
}

void editfrm::afterchartchange() {
    Module1& m = module1();
    m.orderpairsbyrating();
    m.sortdeptsbyarea();
    m.rescoresavedpartitions();
}

void editfrm::prodflowbut_Click() {
    Module1& m = module1();
    m.chartsource = 1;
    showchartlabels(mainmenufrm::chartlabel(m.chartsource));
    m.relfromflow = 1;
    m.buildflowsfromloads();
    m.relchartfromflow();
    {
        relfrm chart;
        chart.show_modal();
    }
    {
        svectfrm scores;
        scores.show_modal();
    }
    {
        svect2frm deptscores;
        deptscores.show_modal();
    }
    afterchartchange();
}

void editfrm::resrelbut_Click() {
    Module1& m = module1();
    m.chartsource = 0;
    showchartlabels(mainmenufrm::chartlabel(m.chartsource));
    // Brings back the typed chart and runs the chart and score windows.
    m.restorerelchart();
    afterchartchange();
}
