#include "problem/mainmenufrm.h"

#include "model/module1.h"
#include "problem/filefrm.h"
#include "problem/sourcefrm.h"

#include <QApplication>

#include <memory>

namespace {

// The names a run keeps of the problem's file: the full name, and in
// storeyone the file window's memory of the last name, folder and drive.
struct FileNames {
    std::string problemfile, savename, savefolder, savedrive;
};

FileNames filenames(const Module1& m) {
    return {m.problemfile, m.savename, m.savefolder, m.savedrive};
}

void setfilenames(Module1& m, const FileNames& names) {
    m.problemfile = names.problemfile;
    m.savename = names.savename;
    m.savefolder = names.savefolder;
    m.savedrive = names.savedrive;
}

} // namespace

mainmenufrm::mainmenufrm() : Form("mainmenufrm", "Main Menu") {
    const bool many = module1().program == Program::storeymany;
    Label2.setCaption(many ? "MARQUETA (Multi-Story) For Windows"
                           : "MARQUETA (Single Story) For Windows");
    newprobbut.setCaption(many ? "1. New Problem" : "New Problem");
    Editbut.setCaption(many ? "2. Edit Current Problem" : "Edit Current Problem");
    singlebut.setCaption(many ? "3. Multi-Story Menu" : "Single Story Menu");
    Savebut.setCaption(many ? "4. Save Problem " : "Save Current Problem ");
    for (forms::Label* l : {&Label1, &Label2, &Label3, &useprodflowlbl})
        l->setAlignment(Qt::AlignCenter);

    // storeymany lists Edit before its branch menu, storeyone the other way round.
    QWidget* second = many ? static_cast<QWidget*>(&Editbut) : &singlebut;
    QWidget* third = many ? static_cast<QWidget*>(&singlebut) : &Editbut;
    column({&Label1, &Label2, &Label3, &useprodflowlbl, &newprobbut, second, third, &Savebut,
            &quitbut},
           480, 240, 5400);
    // The hidden Multi-Story Menu button lies exactly over Save.
    Command1.setGeometry(Savebut.geometry());
    Command1.setvisible(false);

    newprobbut.onclick = [this] { newprobbut_Click(); };
    Editbut.onclick = [this] { Editbut_Click(); };
    singlebut.onclick = [this] { singlebut_Click(); };
    Savebut.onclick = [this] { Savebut_Click(); };
    quitbut.onclick = [this] { quitbut_Click(); };
    Command1.onclick = [this] { Command1_Click(); };
}

std::string mainmenufrm::chartlabel(int chartsource) {
    return chartsource == 0 ? "Using standard relationship chart"
                            : "Using material handling relationship chart";
}

mainmenufrm* mainmenufrm::current() {
    // storeymany closes a menu before it opens the next, so at most one is open.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* menu = dynamic_cast<mainmenufrm*>(w); menu && menu->isopen()) return menu;
    return nullptr;
}

void mainmenufrm::Form_Load() {
    Module1& m = module1();
    Label1.setCaption("MAIN MENU");
    showproblem();
    // An empty ratio leaves the building as it is.
    if (m.lwratio.num() != 0) m.sizebuilding(m.lwratio);
    m.adjscore = 0;
    m.itermode = 0;
    m.storescores = 0;
}

void mainmenufrm::newprobbut_Click() {
    Module1& m = module1();
    // A New Problem that ends without one (Back, Cancel, a file that cannot be
    // read, typed departments never confirmed) brings the problem before it
    // back whole, with the names of its file.
    const auto before = std::make_unique<const Module1>(m);
    m.initproblem();
    bool taken = false;
    {
        sourcefrm source;
        source.show_modal();
        taken = source.newproblem();
    }
    if (!taken) m = *before;
    if (m.program == Program::storeymany) {
        // The menu reopens so that its load step runs anew.
        close();
        mainmenufrm menu;
        menu.show_modal();
    } else {
        showproblem();
    }
}

void mainmenufrm::showproblem() {
    const Module1& m = module1();
    Label3.setpath(m.problemfile);
    useprodflowlbl.setCaption(chartlabel(m.chartsource));
    Label3.repaint();
}

bool mainmenufrm::problemready() const {
    if (module1().problementered.num() == 1) return true;
    module1().msgbox("Problem must be entered first!");
    return false;
}

void mainmenufrm::Editbut_Click() {
    if (problemready()) module1().openwindow("editfrm");
}

void mainmenufrm::singlebut_Click() {
    if (problemready())
        module1().openwindow(module1().program == Program::storeymany ? "msmenufrm"
                                                                      : "singlemenufrm");
}

void mainmenufrm::Savebut_Click() {
    if (!problemready()) return;
    Module1& m = module1();
    // The names shown and offered stay those of the file the problem was last
    // read from or written to: a cancelled or failed save leaves them.
    const FileNames before = filenames(m);
    m.filemode = 1;
    filefrm file;
    file.show_modal();
    if (file.chosen() && m.saveproblemfile())
        showproblem();
    else
        setfilenames(m, before);
}

void mainmenufrm::quitbut_Click() {
    close();
}

void mainmenufrm::Command1_Click() {
    module1().openwindow("msmenufrm");
}
