#include "singlestory/automsearchfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"

automsearchfrm::automsearchfrm() : Form("automsearchfrm", "Automatic Search") {
    column({&Label1, &ngentxt, &okbut, &backbut}, 480, 240, 5400);
    okbut.onclick = [this] { okbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void automsearchfrm::okbut_Click() {
    Module1& m = module1();
    // A fraction passes: 2.5 asks for layouts 1 and 2.
    m.nsearchlayouts = numtext::val(ngentxt.text());
    if (!(m.nsearchlayouts >= 1 && m.nsearchlayouts <= maxsavedlayouts)) {
        m.msgbox("Bad number of layouts entered!");
        return;
    }
    close();
    m.batchmode = 1;
    m.clearlayouts();
    {
        manualdeptfrm manual;
        manual.show_modal();
    }
    // The layouts found replace the table.
    m.searchlayouts();
    {
        tablesavedlayoutsfrm table;
        table.show_modal();
    }
    m.batchmode = 0;
    m.hasfixed = 0;
    for (int d = 1; d <= maxdept; ++d)
        m.fixdeptpos[d] = 0;
    for (int z = 1; z <= 9; ++z) {
        m.fixzoneleft[z] = 0;
        m.fixzoneright[z] = 0;
        m.fixzonearea[z] = 0;
    }
}

void automsearchfrm::backbut_Click() {
    close();
}
