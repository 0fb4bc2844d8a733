#pragma once
// The partition display: the departments, the members and area of each story,
// the actual and desired area difference factor and the partition score. It
// prints its image, saves the partition into the table and exchanges two
// departments between stories.

#include "forms/controls.h"
#include "forms/form.h"
#include "model/cell.h"

#include <string>

class msprintpartitionfrm final : public forms::Form {
public:
    // Height in twips of a story's member list: two lines, so that 18
    // departments of two-digit numbers read in full.
    static constexpr int memberheight = 465;

    msprintpartitionfrm();

    forms::Label deptframe{this, "deptframe", "Departments"};
    forms::ControlArray<forms::Label> deptlbl{this, "deptlbl", 18};
    forms::Label storyframe{this, "storyframe", "Story / Sites"};
    forms::ControlArray<forms::Label> storylbl{this, "storylbl", 6};
    forms::ControlArray<forms::Label> deptsonlbl{this, "deptsonlbl", 6};
    forms::Label storyareahdr{this, "storyareahdr", "Story Areas"};
    forms::ControlArray<forms::Label> storyarealbl{this, "storyarealbl", 6};
    forms::Label asdifhdr{this, "asdifhdr", "Actual Area Difference Factor"};
    forms::Label asdiflbl{this, "asdiflbl"};
    forms::Label sdifhdr{this, "sdifhdr", "Desired Area Difference Factor"};
    forms::Label sdiflbl{this, "sdiflbl"};
    forms::Label partscorehdr{this, "partscorehdr", "Partition Score"};
    forms::Label partscorelbl{this, "partscorelbl"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};
    forms::CommandButton Savebut{this, "Savebut", "Save"};
    forms::CommandButton exchangebut{this, "exchangebut", "Exchange"};
    forms::CommandButton contbut{this, "contbut", "Continue"};

    // An area difference factor as the partition windows show it: two
    // decimals, and blank for the empty text of a manual partition.
    static std::string adftext(const Cell& factor);

private:
    void Form_Load() override;
    void prntbut_Click();
    void Savebut_Click();
    void exchangebut_Click();
    void contbut_Click();
};
