#include "problem/creditsfrm.h"

#include "model/module1.h"
#include "problem/introfrm.h"

creditsfrm::creditsfrm() : Form("creditsfrm") {
    creditlbl.setAlignment(Qt::AlignCenter);
    creditlbl.setWordWrap(true);
    forms::place(creditlbl, 240, 240, 6000, 3000);
    forms::place(okbut, 2520, 3480, 1215, 495);
    setClientSize(6480, 4200);
    okbut.onclick = [this] { okbut_Click(); };
}

void creditsfrm::Form_Load() {
    Module1& m = module1();
    m.chartsource = 0;
    setCaption("MARQUETA");
    const bool many = m.program == Program::storeymany;
    const std::string version = many ? "MARQUETA (Multi-Story) for Windows  1.6"
                                     : "MARQUETA (Single Story) for Windows  1.6";
    const std::string date = many ? "17 MAY 2007" : "16 APR 07";
    // A line break is a single carriage return.
    creditlbl.setCaption(version + "\r\r" + date + "\r\r" +
                         "Block layout planning for single and multi story facilities\r"
                         "Written by the MARQUETA developers");
}

void creditsfrm::okbut_Click() {
    module1().initproblem();
    close();
    introfrm intro;
    intro.show_modal();
}
