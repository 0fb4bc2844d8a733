#include "singlestory/layoutanalysis2frm.h"

#include "model/module1.h"
#include "model/tableindex.h"
#include "singlestory/pairtable.h"

#include <algorithm>

namespace {

constexpr int charttop = 720;

// The length of the UTF-8 sequence that starts with byte c.
std::size_t sequencelength(unsigned char c) {
    if (c < 0x80) return 1;
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

} // namespace

layoutanalysis2frm::layoutanalysis2frm()
    : Form("layoutanalysis2frm", "Layout Analysis 2"),
      chart(this, pairchart::Boxes::display, maxdept - 1, 240, charttop) {
    forms::place(Label1, 240, 240, chart.right() - 240, 375);
    Label1.setAlignment(Qt::AlignCenter);
    // The legend in two columns under the chart, the buttons beside it.
    const int y = chart.bottom() + 240;
    forms::Label* legend[] = {&Label3, &Label4, &Label5, &Label6,
                              &Label7, &Label8, &Label9, &Label10};
    for (int k = 0; k < 8; ++k)
        forms::place(*legend[k], 240 + (k / 4) * 3000, y + (k % 4) * 300, k < 4 ? 2880 : 3600, 285);
    forms::place(okbut, 7200, y + 360, 1500, 420);
    forms::place(prntbut, 8880, y + 360, 1500, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

std::string layoutanalysis2frm::pairletter(const std::string& letter, bool adjacent) {
    if (adjacent) return letter;
    if (letter.empty()) return {};
    std::string first = letter.substr(0, sequencelength(static_cast<unsigned char>(letter[0])));
    if (first.size() == 1 && first[0] >= 'A' && first[0] <= 'Z') first[0] = char(first[0] + 32);
    return first;
}

void layoutanalysis2frm::Form_Load() {
    const Module1& m = module1();
    setuppairtable(chart);
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const bool adjacent = m.adjmatrix[std::size_t(i)][std::size_t(j)] != 0;
            showpair(chart, i, j,
                     pairletter(m.relchart[std::size_t(i)][std::size_t(j)].str(), adjacent));
        }
    }
}

void layoutanalysis2frm::okbut_Click() {
    close();
}

void layoutanalysis2frm::prntbut_Click() {
    printform();
}
