#include "problem/sourcefrm.h"

#include "model/module1.h"
#include "problem/filefrm.h"

#include <string>

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
    const FileNames loaded = filenames(m);
    m.filemode = 2;
    m.datasource = "d";
    m.newchart = 0;
    m.problemfile.clear();
    {
        filefrm file;
        file.show_modal();
    }
    if (m.program == Program::storeyone) close();
    if (!m.problemfile.empty()) {
        // A file that could not be read leaves the problem as it was, and with
        // it the names of its file, which the main menu shows and the next save
        // offers; the department window is not opened for it.
        if (m.loadproblemfile())
            m.openwindow("mainfrm");
        else
            setfilenames(m, loaded);
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
    for (int i = 1; i <= maxdept; ++i)
        for (int j = 1; j <= maxdept; ++j)
            m.flowmatrix[i][j] = 0;
    m.usestandardchart();
    m.datasource = "k";
    close();
    m.openwindow("mainfrm");
}

void sourcefrm::backbut_Click() {
    close();
}
