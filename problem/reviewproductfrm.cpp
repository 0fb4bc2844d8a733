#include "problem/reviewproductfrm.h"

#include "model/numtext.h"
#include "problem/addproductinfofrm.h"
#include "problem/deleteproductfrm.h"
#include "problem/modifyproductinfofrm.h"
#include "problem/t53336frm.h"

#include <algorithm>

namespace {

// Geometry in twips: number, name, unit loads, then the 18 step columns.
constexpr int windowwidth = 9700;
// The headings stand over their columns in two lines each where need be.
constexpr int headtop = 120;
constexpr int headheight = 465;
constexpr int rowtop = 600;
constexpr int rowpitch = 345;
constexpr int rowheight = 285;
constexpr int numberleft = 120;
constexpr int nameleft = 720;
constexpr int uloadleft = 2280;
constexpr int stepleft = 3060;
constexpr int steppitch = 360;
constexpr int buttontop = rowtop + reviewproductfrm::nrows * rowpitch + 240;
constexpr int windowheight = buttontop + 420 + 240;

} // namespace

reviewproductfrm::reviewproductfrm() : Form("reviewproductfrm", "Review Product") {
    forms::place(Label1, numberleft, headtop, 600, headheight);
    forms::place(Label2, nameleft, headtop, 1500, headheight);
    forms::place(Label3, uloadleft, headtop, 720, headheight);
    for (forms::Label* heading : {&Label1, &Label2, &Label3})
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    for (int r = 0; r < nrows; ++r) {
        const int y = rowtop + r * rowpitch;
        forms::place(itxt[r], numberleft, y, 480, rowheight);
        forms::place(prodnamtxt[r], nameleft, y, 1500, rowheight);
        forms::place(uloadtxt[r], uloadleft, y, 720, rowheight);
        itxt[r].setvisible(false);
        prodnamtxt[r].setvisible(false);
        uloadtxt[r].setvisible(false);
        for (int k = 0; k < nstepboxes; ++k) {
            forms::TextBox& box = prodvectxt[nstepboxes * r + k];
            forms::place(box, stepleft + k * steppitch, y, 330, rowheight);
            box.setvisible(false);
        }
    }
    int x = numberleft;
    for (forms::CommandButton* b :
         {&Addbut, &changebut, &deletebut, &matrixbut, &prntbut, &contbut}) {
        forms::place(*b, x, buttontop, 1440, 420);
        x += 1560;
    }
    Addbut.onclick = [this] { Addbut_Click(); };
    changebut.onclick = [this] { changebut_Click(); };
    deletebut.onclick = [this] { deletebut_Click(); };
    matrixbut.onclick = [this] { matrixbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
    contbut.onclick = [this] { contbut_Click(); };
}

void reviewproductfrm::Form_Load() {
    Module1& m = module1();
    setClientSize(windowwidth, windowheight);
    m.prodflag = 1;
    const int n = int(std::clamp(m.nprod.whole(), 0L, long(nrows)));
    for (int p = 1; p <= n; ++p) {
        itxt[p - 1].setvisible(true);
        itxt[p - 1].setText(numtext::format(p, "#0"));
    }
    for (int p = 1; p <= n; ++p) {
        prodnamtxt[p - 1].setvisible(true);
        prodnamtxt[p - 1].setText(m.prodname[std::size_t(p)]);
    }
    for (int p = 1; p <= n; ++p) {
        uloadtxt[p - 1].setvisible(true);
        uloadtxt[p - 1].setText(numtext::format(m.uload[std::size_t(p)], "0"));
    }
    // A row has 18 step boxes: a longer routing, which only a file can
    // bring, shows its first 18 steps.
    for (int p = 1; p <= n; ++p) {
        const long start = m.prodvecstart[std::size_t(p)].whole();
        const long length = std::min(m.prodveclen[std::size_t(p)].whole(), long(nstepboxes));
        for (long k = 0; k < length; ++k) {
            const long position = start + k;
            if (position < 1 || position > maxprodvec) continue;
            forms::TextBox& box = prodvectxt[int(nstepboxes * (p - 1) + k)];
            box.setvisible(true);
            box.setText(numtext::plain(m.prodvec[std::size_t(position)]));
        }
    }
    m.buildflowmatrix();
}

void reviewproductfrm::Addbut_Click() {
    close();
    addproductinfofrm add;
    add.show_modal();
}

void reviewproductfrm::changebut_Click() {
    close();
    modifyproductinfofrm choice;
    choice.show_modal();
}

void reviewproductfrm::deletebut_Click() {
    close();
    deleteproductfrm choice;
    choice.show_modal();
}

void reviewproductfrm::matrixbut_Click() {
    t53336frm matrix;
    matrix.show_modal();
}

void reviewproductfrm::prntbut_Click() {
    printform();
}

void reviewproductfrm::contbut_Click() {
    close();
}
