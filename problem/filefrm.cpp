#include "problem/filefrm.h"

#include "model/module1.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

filefrm::filefrm() : Form("filefrm", "File ") {
    forms::place(Drive1, 240, 240, 3600, 375);
    forms::place(Dir1, 240, 720, 3600, 3000);
    forms::place(Text1, 4080, 240, 3600, 375);
    forms::place(File1, 4080, 720, 3600, 3000);
    forms::place(filelbl, 240, 3840, 7440, 375);
    forms::place(okbut, 4080, 4320, 1215, 495);
    forms::place(cancelbut, 5520, 4320, 1215, 495);
    setClientSize(7920, 5040);
    Drive1.onchange = [this] { Drive1_Change(); };
    Dir1.onchange = [this] { Dir1_Change(); };
    File1.onclick = [this] { File1_Click(); };
    File1.ondblclick = [this] { File1_DblClick(); };
    okbut.onclick = [this] { okbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

bool filefrm::remembers() const {
    return module1().program == Program::storeyone;
}

void filefrm::Form_Load() {
    Module1& m = module1();
    // Problem files carry no extension.
    File1.setpattern("*.");
    File1.setpath(Dir1.path());
    if (remembers() && m.filemode == 1) {
        Text1.setText(m.savename);
        try {
            if (!m.savedrive.empty()) Drive1.setdrive(m.savedrive);
            if (!m.savefolder.empty()) Dir1.setpath(m.savefolder);
        } catch (const std::runtime_error&) {
            // The remembered folder is gone: the lists stay at the starting folder.
            m.msgbox("File or path error on save");
        }
    }
}

void filefrm::Drive1_Change() {
    try {
        Dir1.setpath(Drive1.drive());
    } catch (const std::runtime_error&) {
        module1().msgbox("File or path error on save");
    }
}

void filefrm::Dir1_Change() {
    try {
        File1.setpath(Dir1.path());
    } catch (const std::runtime_error&) {
        module1().msgbox("File or path error on save");
    }
}

void filefrm::File1_Click() {
    Text1.setText(File1.filename());
    if (remembers()) {
        Module1& m = module1();
        m.savename = File1.filename();
        m.savefolder = Dir1.path();
        m.savedrive = Drive1.drive();
    }
}

void filefrm::File1_DblClick() {
    Text1.setText(File1.filename());
    if (Text1.text().empty()) {
        module1().msgbox("Invalid File Name");
        return;
    }
    choose();
}

void filefrm::okbut_Click() {
    if (Text1.text().empty()) {
        module1().msgbox("Invalid File Name");
        return;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(Dir1.path(), ec)) {
        module1().msgbox("File or path error on save");
        return;
    }
    if (remembers()) {
        Module1& m = module1();
        m.savename = Text1.text();
        m.savefolder = Dir1.path();
        m.savedrive = Drive1.drive();
    }
    choose();
}

void filefrm::choose() {
    Module1& m = module1();
    std::string name = Dir1.path();
    if (name.empty() || name.back() != '/') name += '/';
    name += Text1.text();
    // A name chosen for saving gets "." and the empty extension, which the file
    // system drops: the saved name is exactly the name built here.
    m.problemfile = name;
    chosen_ = true;
    close();
}

void filefrm::cancelbut_Click() {
    close();
}
