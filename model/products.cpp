// The product table: products with a name, unit loads and a routing. The
// routings lie end to end in product order in one routing vector, so that
// product p's steps are the prodveclen(p) entries from prodvecstart(p) on.
// Removing a product moves the later routings down over its steps; changing
// one removes it and appends the edited product as the last one, working from
// a backup of the table taken when the product was picked. A routing longer
// than the change window's 18 boxes keeps its further steps after the edited ones.
//
// A problem file may bring any start and length; every position is checked
// against the routing vector before it is read or written.
//
// A routing names only departments of the problem: when the count drops, a
// step naming a department above it becomes 0, a step that names no
// department. Both pairs it is in then move nothing, as they did while it
// named a department beyond the count, and the departments that stay keep
// every flow; the routings keep their positions.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

namespace {

// Positions and counts read from the table, held to a range in which the
// arithmetic below cannot overflow; every meaningful value lies in 0..400.
constexpr long positionlimit = 1000000;

long wholeof(const Cell& c) {
    return std::clamp(c.whole(), -positionlimit, positionlimit);
}

bool routingposition(long k) {
    return k >= 1 && k <= maxprodvec;
}

int productcount(const Module1& m) {
    return int(std::clamp(m.nprod.whole(), 0L, long(maxprod)));
}

long typedsteps(const Module1::TypedProduct& typed) {
    return std::clamp(typed.nsteps, 0, maxdept);
}

} // namespace

bool Module1::routingroom(int nsteps) const {
    const long total = wholeof(prodvectotal);
    return total >= 0 && total + nsteps <= maxprodvec;
}

bool Module1::productroom(int nsteps) const {
    return nprod.whole() >= 0 && nprod.whole() < maxprod && routingroom(nsteps);
}

void Module1::addproduct(const TypedProduct& typed) {
    const long length = typedsteps(typed);
    if (!productroom(int(length))) return;
    const int p = productcount(*this) + 1;
    nprod = p;
    selprod = p;
    uload[p] = typed.uload;
    prodname[p] = typed.name;
    const long start = wholeof(prodvectotal) + 1;
    prodvecstart[p] = start;
    prodveclen[p] = length;
    prodvectotal = start - 1 + length;
    for (long k = 1; k <= length; ++k)
        prodvec[start + k - 1] = typed.steps[k];
}

void Module1::removeproduct() {
    const int n = productcount(*this);
    const int p = selprod;
    if (p < 1 || p > n) return;
    const long start = wholeof(prodvecstart[p]);
    const long length = wholeof(prodveclen[p]);
    const long total = wholeof(prodvectotal);

    // The later routings move down over the removed steps; positions beyond
    // the new used length keep what they held.
    const long last = std::min(total - length, long(maxprodvec));
    for (long k = std::max(start, 1L); k <= last; ++k) {
        if (routingposition(k + length)) prodvec[k] = prodvec[k + length];
    }
    for (int q = p; q <= n - 1; ++q) {
        prodname[q] = prodname[q + 1];
        uload[q] = uload[q + 1];
        prodveclen[q] = prodveclen[q + 1];
        prodvecstart[q] = wholeof(prodvecstart[q + 1]) - length;
    }
    prodvectotal = total - length;
}

void Module1::deleteproduct() {
    const int n = productcount(*this);
    if (selprod < 1 || selprod > n) return;
    removeproduct();
    nprod = n - 1;
}

void Module1::pickproduct() {
    const int n = productcount(*this);
    const int p = selprod;
    if (p < 1 || p > n) return;

    for (int q = 1; q <= n; ++q) {
        bakprodveclen[q] = prodveclen[q];
        bakprodvecstart[q] = prodvecstart[q];
        bakprodname[q] = prodname[q];
        bakuload[q] = uload[q];
    }
    for (int k = 1; k <= maxprodvec; ++k)
        bakprodvec[k] = prodvec[k];
    bakprodvectotal = prodvectotal;

    // The change window has 18 step boxes: a longer routing lifts its first 18.
    liftprodname = prodname[p];
    liftuload = uload[p];
    liftprodvec.fill(Cell());
    const long start = wholeof(prodvecstart[p]);
    const long length = std::min(wholeof(prodveclen[p]), long(maxdept));
    for (long k = 1; k <= length; ++k) {
        if (routingposition(start + k - 1)) liftprodvec[k] = prodvec[start + k - 1];
    }

    // The count stays: entry nprod becomes the place of the product being changed.
    removeproduct();
}

void Module1::prepareproductplace() {
    const int n = productcount(*this);
    if (n < 1) return;
    prodveclen[n] = 0;
    prodvecstart[n] = wholeof(prodvectotal) + 1;
}

int Module1::changedlength(const TypedProduct& typed) const {
    const long typedlength = typedsteps(typed);
    if (selprod < 1 || selprod > maxprod) return int(typedlength);
    const long beyond = wholeof(bakprodveclen[selprod]) - maxdept;
    return int(typedlength + std::max(beyond, 0L));
}

void Module1::changeproduct(const TypedProduct& typed) {
    const int n = productcount(*this);
    const int picked = selprod;
    const long typedlength = typedsteps(typed);
    const long length = changedlength(typed);
    if (n < 1 || picked < 1 || picked > n || !routingroom(int(length))) return;
    prodveclen[n] = length;

    // The products after the picked one move up one number, their routings
    // down by the picked product's length.
    const long pickedlength = wholeof(bakprodveclen[picked]);
    for (int p = 1; p <= n - 1; ++p) {
        const int from = p < picked ? p : p + 1;
        prodname[p] = bakprodname[from];
        uload[p] = bakuload[from];
        prodveclen[p] = bakprodveclen[from];
        if (p < picked)
            prodvecstart[p] = bakprodvecstart[from];
        else
            prodvecstart[p] = wholeof(bakprodvecstart[from]) - pickedlength;
    }
    uload[n] = typed.uload;
    prodname[n] = typed.name;
    const long start = n == 1 ? 1 : wholeof(prodvecstart[n - 1]) + wholeof(prodveclen[n - 1]);
    prodvecstart[n] = start;

    const long pickedstart = wholeof(bakprodvecstart[picked]);
    for (long k = 1; k <= std::min(pickedstart - 1, long(maxprodvec)); ++k)
        prodvec[k] = bakprodvec[k];
    for (long k = std::max(pickedstart, 1L); k <= std::min(start - 1, long(maxprodvec)); ++k) {
        if (routingposition(k + pickedlength)) prodvec[k] = bakprodvec[k + pickedlength];
    }
    for (long k = 1; k <= typedlength; ++k) {
        if (routingposition(start + k - 1)) prodvec[start + k - 1] = typed.steps[k];
    }
    // The steps beyond the window's boxes, which only a file can bring, follow
    // the edited ones as they were.
    for (long k = typedlength + 1; k <= length; ++k) {
        const long from = pickedstart + maxdept + k - typedlength - 1;
        if (routingposition(start + k - 1))
            prodvec[start + k - 1] = routingposition(from) ? bakprodvec[from] : Cell();
    }
    prodvectotal = start + length - 1;
}

void Module1::restoreproducts() {
    const int n = productcount(*this);
    for (int p = 1; p <= n; ++p) {
        prodveclen[p] = bakprodveclen[p];
        prodvecstart[p] = bakprodvecstart[p];
        prodname[p] = bakprodname[p];
        uload[p] = bakuload[p];
    }
    for (int k = 1; k <= maxprodvec; ++k)
        prodvec[k] = bakprodvec[k];
    prodvectotal = bakprodvectotal;
}

void Module1::fitroutings() {
    // Every position, used or not, so that no step a later department could
    // take survives the cut.
    const int n = problemsize(ndept);
    for (int k = 1; k <= maxprodvec; ++k)
        if (routingstep(prodvec[k]) > n) prodvec[k] = 0;
}
