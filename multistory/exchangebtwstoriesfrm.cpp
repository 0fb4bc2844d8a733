#include "multistory/exchangebtwstoriesfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>

exchangebtwstoriesfrm::exchangebtwstoriesfrm()
    : Form("exchangebtwstoriesfrm", "Exchange Between Stories") {
    forms::place(Label1, 480, 360, 3600, 375);
    forms::place(nnx1txt, 480, 960, 735, 375);
    forms::place(Label2, 1440, 1020, 960, 375);
    forms::place(nnx2txt, 2520, 960, 735, 375);
    forms::place(contbut, 480, 1800, 1215, 495);
    forms::place(cancelbut, 2040, 1800, 1215, 495);
    setClientSize(4080, 2640);
    contbut.onclick = [this] { contbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

namespace {

// A typed department number, or 0 when it is not a whole number from 1 to N.
int department(std::string_view text, int n) {
    const double d = numtext::val(text);
    return d >= 1 && d <= n && d == std::floor(d) ? int(d) : 0;
}

// Where a department stands: its story, as the member lists give it, and its
// first position there; 0 and 0 when no story lists it.
struct Place {
    int story = 0, position = 0;
};

Place placeof(const Module1& m, const Table<int, maxdept + 1>& storyofdept, int d) {
    const int s = storyofdept[d];
    if (s < 1 || s > std::clamp(m.nstories, 0, maxstories)) return {};
    const int count = std::clamp(m.storycount[s], 0, maxdept);
    for (int k = 1; k <= count; ++k)
        if (m.storymembers[s][k] == d) return {s, k};
    return {};
}

} // namespace

void exchangebtwstoriesfrm::contbut_Click() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    const int a = department(nnx1txt.text(), n);
    const int b = department(nnx2txt.text(), n);
    // The story of every department, rebuilt from the member lists.
    Table<int, maxdept + 1> storyofdept = m.storyofdept;
    const int stories = std::clamp(m.nstories, 0, maxstories);
    for (int s = 1; s <= stories; ++s) {
        const int count = std::clamp(m.storycount[s], 0, maxdept);
        for (int k = 1; k <= count; ++k) {
            const int d = m.storymembers[s][k];
            if (d >= 1 && d <= maxdept) storyofdept[d] = s;
        }
    }
    const Place pa = a == 0 ? Place{} : placeof(m, storyofdept, a);
    const Place pb = b == 0 ? Place{} : placeof(m, storyofdept, b);
    if (pa.story == 0 || pb.story == 0) {
        m.msgbox("Incorrect department numbers entered.");
        return;
    }
    m.storyofdept = storyofdept;
    m.storymembers[pa.story][pa.position] = b;
    m.storymembers[pb.story][pb.position] = a;
    m.storyofdept[a] = pb.story;
    m.storyofdept[b] = pa.story;
    m.storyarea[pa.story] = m.storyarea[pa.story] + m.deptarea[b] - m.deptarea[a];
    m.storyarea[pb.story] = m.storyarea[pb.story] + m.deptarea[a] - m.deptarea[b];
    m.scorepartition();
    m.displayactualadf();
    close();
}

void exchangebtwstoriesfrm::cancelbut_Click() {
    close();
}
