#include "problem/sourcefrm.h"

#include "model/module1.h"
#include "problem/filefrm.h"
#include "problem/mainfrm.h"

sourcefrm::sourcefrm() : Form("sourcefrm", "Input Source") {
    Label1.setAlignment(Qt::AlignCenter);
    column({&Label1, &diskbut, &Keybut, &backbut}, 480, 240, 4200);
    diskbut.onclick = [this] { diskbut_Click(); };
    Keybut.onclick = [this] { Keybut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void sourcefrm::Form_Load() {
    module1().datasource = " ";
    Label1.setCaption("How would you like to enter data?");
}

void sourcefrm::diskbut_Click() {
    Module1& m = module1();
    m.filemode = 2;
    m.datasource = "d";
    m.newchart = 0;
    m.problemfile.clear();
    {
        filefrm file;
        file.show_modal();
    }
    if (m.program == Program::storeyone) close();
    // A file that could not be read is no new problem: the department window
    // is not opened for it.
    if (!m.problemfile.empty() && m.loadproblemfile()) {
        newproblem_ = true;
        m.openwindow("mainfrm");
    }
    close();
}

void sourcefrm::Keybut_Click() {
    Module1& m = module1();
    if (m.program == Program::storeyone) {
        m.savename.clear();
        m.savefolder.clear();
        m.savedrive.clear();
    }
    // A typed problem comes from no file until it is saved.
    m.problemfile.clear();
    // No department is typed yet: every letter, value, load and flow of the
    // problem before goes. The saved layouts and partitions it carries keep
    // their places until the departments typed are confirmed.
    m.forgetpairsbeyondcount();
    m.usestandardchart();
    m.datasource = "k";
    close();
    // The typed problem is there once its departments are confirmed.
    mainfrm departments;
    departments.show_modal();
    newproblem_ = departments.continued();
}

void sourcefrm::backbut_Click() {
    close();
}
