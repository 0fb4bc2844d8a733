#pragma once
// The multi-story menu, hub of the partition windows: manual and automatic
// partition, the table and the review of saved partitions, and the story
// export (its button shows in storeyone only).

#include "forms/controls.h"
#include "forms/form.h"

class msmenufrm final : public forms::Form {
public:
    msmenufrm();

    forms::Label Label1{this, "Label1"};
    forms::Label Label3{this, "Label3"};
    forms::Label useprodflowlbl{this, "useprodflowlbl"};
    forms::CommandButton manualbut{this, "manualbut", "1. Manual Partition"};
    forms::CommandButton autobut{this, "autobut", "2. Automatic Partition"};
    forms::CommandButton tablebut{this, "tablebut", "3. Table of Saved Partitions"};
    forms::CommandButton reviewbut{this, "reviewbut", "4. Review Saved Partitions"};
    forms::CommandButton Savebut{this, "Savebut", "5. Save Partition"};
    forms::CommandButton backbut{this, "backbut", "Back to Main Menu"};

private:
    void Form_Load() override;
    void manualbut_Click();
    void autobut_Click();
    void tablebut_Click();
    void reviewbut_Click();
    void Savebut_Click();
    void backbut_Click();
};
