#include "problem/introfrm.h"

#include "problem/mainmenufrm.h"

introfrm::introfrm() : Form("introfrm", "Introduction") {
    Label1.setAlignment(Qt::AlignCenter);
    desclbl.setWordWrap(true);
    forms::place(Label1, 240, 240, 7200, 375);
    forms::place(desclbl, 240, 720, 7200, 4200);
    forms::place(okbut, 3240, 5160, 1215, 495);
    setClientSize(7680, 5880);
    okbut.onclick = [this] { okbut_Click(); };
}

void introfrm::Form_Load() {
    desclbl.setCaption(
        "The facility layout problem has long been studied by Industrial Engineers. "
        "The basic problem is as follows: a set of departments is given, each with its own "
        "required area, together with closeness relationships for each pair of departments; "
        "how should the departments be arranged to optimize the functioning of the system? "
        "The problem may carry constraints, such as the required length to width ratio of the "
        "overall layout area or of individual departments, or required fixed locations for "
        "some departments. The closeness relationships may come from product flow or from "
        "less measurable factors. A department may be a manufacturing cell or a single "
        "machine. There are several methods of scoring a layout, and MARQUETA develops and "
        "evaluates facility layouts using several algorithms and scoring procedures. "
        "Single and multi story or sites layouts can be created.");
}

void introfrm::okbut_Click() {
    close();
    mainmenufrm menu;
    menu.show_modal();
}
