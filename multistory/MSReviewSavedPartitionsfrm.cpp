#include "multistory/MSReviewSavedPartitionsfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "multistory/msprintpartitionfrm.h"

#include <algorithm>
#include <cmath>

MSReviewSavedPartitionsfrm::MSReviewSavedPartitionsfrm()
    : Form("MSReviewSavedPartitionsfrm", "Review Saved Partitions") {
    forms::place(Label1, 480, 480, 2655, 375);
    forms::place(nstptxt, 3360, 420, 615, 375);
    forms::place(contbut, 480, 1320, 1935, 495);
    forms::place(backbut, 2640, 1320, 2295, 495);
    setClientSize(5400, 2160);
    contbut.onclick = [this] { contbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void MSReviewSavedPartitionsfrm::contbut_Click() {
    Module1& m = module1();
    // A start with a fraction begins at its whole part, so no entry shows twice.
    const double start = std::floor(numtext::val(nstptxt.text()));
    // The partitions saved from the display during the review are not reached.
    const int last = int(std::clamp(m.nsavedpart.whole(), 0L, long(maxsavedpart)));
    if (!(start > 0 && start <= last)) {
        m.msgbox("Bad starting point value");
        return;
    }
    // Each partition shows the story areas and score of the current problem.
    m.refreshsavedpartitions();
    for (int q = int(start); q <= last; ++q) {
        m.loadsavedpartition(q);
        msprintpartitionfrm display;
        display.show_modal();
    }
    close();
}

void MSReviewSavedPartitionsfrm::backbut_Click() {
    close();
}
