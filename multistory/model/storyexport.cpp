// Saved partitions back into the current partition, and the story export:
// every story of a saved partition becomes a single-story problem of its own,
// topped up to the largest story's area by a filler department "EMPTY".

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"

#include <algorithm>
#include <string>

namespace {

// The value of pair (a, b) in a table kept for the pairs a < b, looked up in
// either order; a department paired with itself or with none has no value.
Cell pairvalue(const Table2<Cell, 19, 19>& table, int a, int b) {
    if (a == 0 || b == 0 || a == b) return {};
    return a < b ? table[a][b] : table[b][a];
}

// A relationship letter as the export keeps it: always a text, so that an
// empty cell becomes the empty text and a number its plain text form.
Cell lettertext(const Cell& letter) {
    if (letter.istext()) return letter;
    return Cell(letter.isempty() ? std::string() : numtext::filenumber(letter.num()));
}

// The problem as it stands before the export writes its stories.
struct KeptProblem {
    int ndept = 0;
    Table<std::string, 19> deptname;
    Table<Cell, 19> deptarea;
    Table2<Cell, 19, 19> relchart, addflowmatrix, flowmatrix;
    Cell nprod, nsavedlayouts, nsavedpart, gridflag;
    Cell drawwidth, drawheight, drawcellwidth, drawcellheight;
    Cell ratioaux1, ratioaux2, ratioaux3, lwratio, layoutlength, layoutwidth;
};

// Copies what the export changes between the problem and its kept copy, in
// either direction.
template <typename To, typename From> void copyproblem(To& to, const From& from) {
    to.ndept = from.ndept;
    to.deptname = from.deptname;
    to.deptarea = from.deptarea;
    to.relchart = from.relchart;
    to.addflowmatrix = from.addflowmatrix;
    to.flowmatrix = from.flowmatrix;
    to.nprod = from.nprod;
    to.nsavedlayouts = from.nsavedlayouts;
    to.nsavedpart = from.nsavedpart;
    to.gridflag = from.gridflag;
    to.drawwidth = from.drawwidth;
    to.drawheight = from.drawheight;
    to.drawcellwidth = from.drawcellwidth;
    to.drawcellheight = from.drawcellheight;
    to.ratioaux1 = from.ratioaux1;
    to.ratioaux2 = from.ratioaux2;
    to.ratioaux3 = from.ratioaux3;
    to.lwratio = from.lwratio;
    to.layoutlength = from.layoutlength;
    to.layoutwidth = from.layoutwidth;
}

// The problem of story s: its departments renumbered in the story's order,
// with their names, areas, letters and flows (a pair's flow in both the
// additions and the flow item); no products, saved layouts or partitions.
// A department the story lists beyond the problem's count is left out. A
// story smaller than the largest gets the filler department "EMPTY".
void makestoryproblem(Module1& m, const KeptProblem& k, int s, double largest) {
    Table<int, maxdept + 1> member{};
    int count = 0;
    for (int i = 1; i <= std::clamp(m.storycount[s], 0, maxdept); ++i) {
        const int d = m.storymembers[s][i];
        if (d >= 1 && d <= problemsize(k.ndept)) member[++count] = d;
    }
    m.ndept = count;
    for (int i = 1; i <= count; ++i) {
        m.deptname[i] = k.deptname[member[i]];
        m.deptarea[i] = k.deptarea[member[i]];
    }
    for (int i = 1; i <= count - 1; ++i) {
        for (int j = i + 1; j <= count; ++j) {
            const int di = member[i];
            const int dj = member[j];
            m.relchart[i][j] = lettertext(pairvalue(k.relchart, di, dj));
            m.flowmatrix[i][j] = pairvalue(k.flowmatrix, di, dj);
            m.addflowmatrix[i][j] = m.flowmatrix[i][j];
        }
    }
    m.nprod = 0;
    m.nsavedlayouts = 0;
    m.nsavedpart = 0;
    // A story of 18 departments has no place left for a filler.
    if (m.storyarea[s] < largest && m.ndept < maxdept) {
        m.ndept = m.ndept + 1;
        m.deptname[m.ndept] = "EMPTY";
        m.deptarea[m.ndept] = largest - m.storyarea[s];
        for (int i = 1; i <= m.ndept - 1; ++i) {
            m.relchart[i][m.ndept] = "U";
            m.addflowmatrix[i][m.ndept] = 0;
            m.flowmatrix[i][m.ndept] = 0;
        }
    }
}

} // namespace

void Module1::loadsavedpartition(int q) {
    if (q < 1 || q > maxsavedpart) return;
    nstories = boundedcount(savednstories[q], maxstories);
    partspare = savedpartspare[q];
    improvedflag = savedimproved[q];
    desiredadf = saveddesiredadf[q];
    actualadf = savedactualadf[q];
    for (int s = 1; s <= nstories; ++s) {
        storycount[s] = boundedcount(savedstorycount[s][q], maxdept);
        storyarea[s] = savedstoryarea[s][q];
        for (int k = 1; k <= storycount[s]; ++k)
            storymembers[s][k] = deptnumber(savedstorymembers[s][k][q]);
    }
    const int n = problemsize(ndept);
    for (int i = 1; i <= n; ++i)
        storyofdept[i] = storynumber(savedstoryofdept[i][q]);
    partscore = savedpartscore[q];
}

void Module1::savestoryfiles() {
    if (exportpartno < 1 || exportpartno > maxsavedpart) return;
    // The story files never replace the problem file itself.
    filemode = 3;
    // The export takes the partition's stories; the spare field and the
    // improved flag of the current partition stay as they were.
    const Cell spare = partspare;
    const Cell improved = improvedflag;
    // The filler makes up the story areas of the current department areas.
    recomputesavedstoryareas();
    loadsavedpartition(exportpartno);
    partspare = spare;
    improvedflag = improved;

    KeptProblem kept;
    copyproblem(kept, *this);
    const int n = problemsize(ndept);
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            kept.relchart[i][j] = lettertext(kept.relchart[i][j]);
    double largest = 0;
    for (int s = 1; s <= nstories; ++s)
        if (storyarea[s] > largest) largest = storyarea[s];
    openwindow("lwratiofrm");
    // A story file carries the flows in use, not the problem's held loads.
    const int held = loadsheld;
    loadsheld = 0;
    for (int s = 1; s <= nstories; ++s) {
        curstory = s;
        storysuffix = numtext::filenumber(s);
        makestoryproblem(*this, kept, s, largest);
        saveproblemfile();
    }
    loadsheld = held;
    copyproblem(*this, kept);
}
