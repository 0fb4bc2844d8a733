#include "multistory/msmenufrm.h"

#include "model/module1.h"
#include "multistory/AutomPartitionfrm.h"
#include "multistory/MSReviewSavedPartitionsfrm.h"
#include "multistory/SaveStorySubfrm.h"
#include "multistory/manualpartitionfrm.h"
#include "multistory/mstablesavedpartitionsfrm.h"
#include "problem/filefrm.h"

msmenufrm::msmenufrm() : Form("msmenufrm", "Multi-story/Site Menu") {
    for (forms::Label* l : {&Label1, &Label3, &useprodflowlbl})
        l->setAlignment(Qt::AlignCenter);
    if (module1().program == Program::storeymany) {
        column({&Label1, &Label3, &useprodflowlbl, &manualbut, &autobut, &tablebut, &reviewbut,
                &backbut},
               480, 240, 5400);
        // The story export stays hidden in this program: no code shows it.
        Savebut.setGeometry(backbut.geometry());
        Savebut.setvisible(false);
    } else {
        // storeyone numbers the review before the table; each button keeps its handler.
        manualbut.setCaption("1. Manual Layout");
        autobut.setCaption("2. Automatic Layout");
        reviewbut.setCaption("3. Review Saved Layouts");
        tablebut.setCaption("4. Table of Saved Layouts");
        Savebut.setCaption("5. Save Story / Site Layout");
        column({&Label1, &Label3, &useprodflowlbl, &manualbut, &autobut, &reviewbut, &tablebut,
                &Savebut, &backbut},
               480, 240, 5400);
    }
    manualbut.onclick = [this] { manualbut_Click(); };
    autobut.onclick = [this] { autobut_Click(); };
    tablebut.onclick = [this] { tablebut_Click(); };
    reviewbut.onclick = [this] { reviewbut_Click(); };
    Savebut.onclick = [this] { Savebut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void msmenufrm::Form_Load() {
    Label1.setCaption("MULTI-STORY / SITE MENU");
    Label3.setpath(module1().problemfile);
}

void msmenufrm::manualbut_Click() {
    manualpartitionfrm manual;
    manual.show_modal();
}

void msmenufrm::autobut_Click() {
    AutomPartitionfrm automatic;
    automatic.show_modal();
}

void msmenufrm::tablebut_Click() {
    if (module1().nsavedpart.num() <= 0) {
        module1().msgbox("No partitions saved.");
        return;
    }
    mstablesavedpartitionsfrm table;
    table.show_modal();
}

void msmenufrm::reviewbut_Click() {
    MSReviewSavedPartitionsfrm review;
    review.show_modal();
}

void msmenufrm::Savebut_Click() {
    Module1& m = module1();
    if (m.nsavedpart.num() <= 0) {
        m.msgbox("No partitions saved.");
        return;
    }
    m.filemode = 3;
    {
        filefrm file;
        file.show_modal();
    }
    // The export window opens whether or not a name was chosen.
    SaveStorySubfrm stories;
    stories.show_modal();
}

void msmenufrm::backbut_Click() {
    close();
}
