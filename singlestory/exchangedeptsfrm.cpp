#include "singlestory/exchangedeptsfrm.h"

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

exchangedeptsfrm::exchangedeptsfrm() : Form("exchangedeptsfrm", "Exchange Departments") {
    forms::place(deptlst1, 240, 240, 2400, 3000);
    forms::place(Label1, 2760, 1500, 1080, 375);
    forms::place(deptlst2, 3960, 240, 2400, 3000);
    forms::place(okbut, 1560, 3480, 1215, 495);
    forms::place(cancelbut, 3840, 3480, 1215, 495);
    setClientSize(6600, 4200);
    okbut.onclick = [this] { okbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

void exchangedeptsfrm::Form_Load() {
    const Module1& m = module1();
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i) {
        deptlst1.additem(m.deptname[i]);
        deptlst2.additem(m.deptname[i]);
    }
}

void exchangedeptsfrm::okbut_Click() {
    close();
}

void exchangedeptsfrm::cancelbut_Click() {
    close();
}
