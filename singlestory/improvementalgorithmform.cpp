#include "singlestory/improvementalgorithmform.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/display1frm.h"

#include <algorithm>
#include <cmath>

improvementalgorithmform::improvementalgorithmform()
    : Form("improvementalgorithmform", "Improvement Algorithm") {
    column({&Label1, &ntxt, &okbut, &cancelbut}, 480, 240, 3600);
    okbut.onclick = [this] { okbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

void improvementalgorithmform::okbut_Click() {
    Module1& m = module1();
    m.stopflag = 0;
    // The basis must be one of the saved layouts: a whole number from 1 on.
    const double n = numtext::val(ntxt.text());
    if (n > double(m.nsavedlayouts) || n < 1 || n != std::trunc(n) || n >= savedlayoutstorage) {
        m.msgbox("Layout number out of range");
        return;
    }
    m.baselayout = int(n);
    m.loadsavedlayout(m.baselayout);
    m.itercount = 0;

    const int ndept = problemsize(m.ndept);
    for (int i = 1; i <= ndept; ++i) {
        for (m.curlayout = i + 1; m.curlayout <= ndept; ++m.curlayout) {
            const int j = m.curlayout;
            if (m.deptfixed[std::size_t(i)] != 0) break;
            if (m.deptfixed[std::size_t(j)] != 0) continue;
            m.exchangedepts(i, j);
            m.itercount = m.itercount + 1;
            m.itermode = 1;
            m.batchmode = 0;
            {
                display1frm display;
                display.show_modal();
            }
            // Every exchange is tried on the unchanged basis.
            m.adjscore = 0;
            m.loadsavedlayout(m.baselayout);
            if (m.stopflag == 1) {
                close();
                return;
            }
        }
    }
    m.itermode = 0;
    close();
}

void improvementalgorithmform::cancelbut_Click() {
    close();
}
