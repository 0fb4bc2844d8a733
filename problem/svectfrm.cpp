#include "problem/svectfrm.h"

#include "model/module1.h"
#include "model/numtext.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 6> meanings = {
    "Absolutely Essential", "Essential",   "Important",
    "Ordinary Importance",  "Unimportant", "Undesireable"};
constexpr std::array<std::string_view, 6> defaultcodes = {"A", "E", "I", "O", "U", "X"};
constexpr std::array<int, 6> defaultweights = {10, 5, 2, 1, 0, -10};

} // namespace

svectfrm::svectfrm() : Form("svectfrm", "Score Vector") {
    forms::place(Label1, 2760, 240, 900, 285);
    forms::place(Label2, 3780, 240, 1200, 285);
    for (int k = 0; k < 6; ++k) {
        const int y = 600 + k * 420;
        forms::place(codelbl[k], 240, y, 2400, 300);
        codelbl[k].setCaption(meanings[std::size_t(k)]);
        forms::place(kodetxt[k], 2760, y, 900, 300);
        kodetxt[k].setalignment(forms::TextBox::Align::center);
        forms::place(scortxt[k], 3780, y, 1200, 300);
        scortxt[k].setalignment(forms::TextBox::Align::right);
    }
    forms::place(okbut, 240, 3240, 1500, 420);
    forms::place(restorebut, 1860, 3240, 1800, 420);
    forms::place(prntbut, 3780, 3240, 1200, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    restorebut.onclick = [this] { restorebut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void svectfrm::Form_Load() {
    showrows();
}

void svectfrm::showrows() {
    const Module1& m = module1();
    for (int k = 1; k <= 6; ++k) {
        kodetxt[k - 1].setText(m.relcode[k].str());
        scortxt[k - 1].setText(numtext::plain(m.relweight[k]));
    }
}

void svectfrm::okbut_Click() {
    Module1& m = module1();
    // Codes are kept as typed, case and blanks included.
    for (int k = 1; k <= 6; ++k) {
        m.relcode[k] = Cell(kodetxt[k - 1].text());
        m.relweight[k] = numtext::val(scortxt[k - 1].text());
    }
    close();
}

void svectfrm::restorebut_Click() {
    Module1& m = module1();
    for (int k = 1; k <= 6; ++k) {
        m.relcode[k] = Cell(defaultcodes[std::size_t(k - 1)]);
        m.relweight[k] = defaultweights[std::size_t(k - 1)];
    }
    showrows();
}

void svectfrm::prntbut_Click() {
    printform();
}
