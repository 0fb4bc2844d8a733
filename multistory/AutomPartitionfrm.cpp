#include "multistory/AutomPartitionfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "multistory/msprintpartitionfrm.h"

AutomPartitionfrm::AutomPartitionfrm() : Form("AutomPartitionfrm", "Automatic Partition") {
    forms::place(Label1, 600, 840, 1935, 375);
    forms::place(svnstortxt, 4920, 720, 495, 375);
    forms::place(Label2, 600, 1800, 3495, 375);
    forms::place(sdiftxt, 4920, 1680, 495, 375);
    forms::place(contbut, 960, 2880, 1935, 495);
    forms::place(backbut, 3000, 2880, 2055, 495);
    setClientSize(5772, 3588);
    contbut.onclick = [this] { contbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void AutomPartitionfrm::contbut_Click() {
    Module1& m = module1();
    m.improvedflag = 0;
    m.desiredadf = numtext::val(sdiftxt.text());
    const double stories = numtext::val(svnstortxt.text());
    // The constructions count stories in whole numbers: a fraction is refused.
    if (!Module1::partitioninputinrange(stories, m.desiredadf)) {
        m.msgbox("Input data out of range!");
        svnstortxt.setText("");
        sdiftxt.setText("");
        return;
    }
    m.nstories = int(stories);
    m.automaticpartition();
    {
        msprintpartitionfrm display;
        display.show_modal();
    }
    close();
}

void AutomPartitionfrm::backbut_Click() {
    close();
}
