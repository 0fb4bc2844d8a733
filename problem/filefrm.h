#pragma once
// The file window: drive, folder and file lists with a name box. It only
// builds the full file name into problemfile; its callers read or write.

#include "forms/controls.h"
#include "forms/filelists.h"
#include "forms/form.h"

class filefrm final : public forms::Form {
public:
    filefrm();

    forms::DriveList Drive1{this, "Drive1"};
    forms::DirList Dir1{this, "Dir1"};
    forms::FileList File1{this, "File1"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label filelbl{this, "filelbl"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

    // Whether the window closed with a chosen name (Ok or a double-click).
    bool chosen() const { return chosen_; }

private:
    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void okbut_Click();
    void cancelbut_Click();
    // problemfile := folder, a separator when the folder lacks one, and the name.
    void choose();
    bool remembers() const;

    bool chosen_ = false;
};
