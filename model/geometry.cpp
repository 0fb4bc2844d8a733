// Zone geometry and adjacency: the one evaluation of a single-story layout.
//
// Nine zones form three bands of three. Each band is as high as its share of
// the total area; within a band the departments run from left to right zone by
// zone, Left side before Right, each as wide as its share of the band's area.
// Adjacency rests on exact comparisons of the computed edges, so the arithmetic
// below keeps its order: a reordered sum changes which rectangles touch.

#include "model/module1.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// First zone of a band: 1, 4 or 7.
constexpr int firstzone(int band) {
    return 3 * band - 2;
}

bool tableindex(int d) {
    return d >= 1 && d <= maxdept;
}

struct Building {
    double width, length;
};

// The building of an area and a length-to-width ratio; none when the ratio is
// not a positive number or the size would not be finite.
std::optional<Building> building(double area, double ratio) {
    if (!(ratio > 0)) return std::nullopt;
    const double width = std::sqrt(area / ratio);
    const double length = width * ratio;
    if (!std::isfinite(width) || !std::isfinite(length)) return std::nullopt;
    return Building{width, length};
}

// How far width x length may stray from the total area, relative to it, and
// still fit it: the rounding of a stored width and length.
constexpr double fitting = 1e-12;

} // namespace

void Module1::sizebuilding(double ratio) {
    const double area = std::isfinite(totalarea) ? std::max(totalarea, 0.0) : 0.0;
    std::optional<Building> size = building(area, ratio);
    if (!size) {
        const double w = layoutwidth, l = layoutlength;
        if (w > 0 && l > 0) {
            if (std::abs(w * l - area) <= fitting * area) return;
            size = building(area, l / w);
        }
        if (!size) size = building(area, defaultratio);
    }
    layoutwidth = size->width;
    layoutlength = size->length;
}

void Module1::sizelayout() {
    sizebuilding(lwratio);
    if (drawwidth > 0 && drawheight > 0 && drawcellwidth > 0 && drawcellheight > 0) return;
    drawwidth = defaultbox.width;
    drawheight = defaultbox.height;
    drawcellwidth = defaultbox.cellwidth;
    drawcellheight = defaultbox.cellheight;
}

Module1::Bands Module1::bands() const {
    const double t = totalarea;
    const double w = layoutwidth;
    const double dh = drawheight;
    Bands b;
    for (int band = 1; band <= 3; ++band) {
        const int k = firstzone(band);
        b.area[band] = zonearea[k] + zonearea[k + 1] + zonearea[k + 2];
    }
    for (int band = 1; band <= 3; ++band)
        b.height[band] = w * (b.area[band] / t);
    b.centre[1] = w - b.height[1] / 2;
    b.centre[2] = b.height[2] / 2 + b.height[3];
    b.centre[3] = b.height[3] / 2;
    // Pixel edges are cut, not rounded; the bottom band takes what is left.
    const double p1 = std::trunc(dh * (b.height[1] / w));
    const double p2 = p1 + std::trunc(dh * (b.height[2] / w));
    b.top = {0, 1, p1, p2};
    b.bottom = {0, p1, p2, dh};
    return b;
}

Module1::LabelGrid Module1::labelgrid() const {
    const double w = layoutwidth;
    const double dh = drawheight;
    LabelGrid g;
    g.bands = bands();
    const Bands& b = g.bands;
    g.q[1] = std::trunc(dh * b.height[1] / w + 0.5);
    g.q[2] = std::trunc(dh * b.height[2] / w + 0.5);
    g.q[3] = dh - g.q[1] - g.q[2];
    g.row[1] = std::trunc(g.q[1] / 16) + 1;
    g.row[2] = std::trunc(g.q[1] / 8 + g.q[2] / 16) + 1;
    g.row[3] = std::min(std::trunc((g.q[1] + g.q[2]) / 8 + g.q[3] / 16) + 1, 19.0);
    return g;
}

double Module1::labelcolumn(int d) const {
    if (!tableindex(d)) return 0;
    return std::trunc(deptx1[d] / 8 + (deptx2[d] - deptx1[d]) / 16);
}

bool Module1::rightedgedrawn(int d) const {
    if (!tableindex(d)) return false;
    return !((100 + double(drawwidth)) - deptx2[d] <= 5);
}

bool Module1::pairplaced(int i, int j) const {
    return tableindex(i) && tableindex(j) && deptplaced[i] != 0 && deptplaced[j] != 0;
}

namespace {

// A department the layout leaves out has no place to measure from: nothing of
// an earlier evaluation, perhaps of another problem, may stand for one.
void forgetevaluation(Module1& m) {
    for (int d = 1; d <= maxdept; ++d) {
        m.deptplaced[d] = 0;
        m.deptx1[d] = m.deptx2[d] = m.depty1[d] = m.depty2[d] = 0;
        m.centroidx[d] = m.centroidy[d] = m.bandheight[d] = 0;
    }
    m.adjmatrix = {};
}

void placedepartments(Module1& m) {
    const Module1::Bands b = m.bands();
    const double length = m.layoutlength;
    const double dw = m.drawwidth;

    for (int band = 1; band <= 3; ++band) {
        const double area = b.area[band];
        if (area == 0) continue;
        double x = 0;
        double px = 100;
        const int k0 = firstzone(band);
        for (int k = k0; k < k0 + 3; ++k) {
            for (const int d : {m.zoneleft[k], m.zoneright[k]}) {
                if (!tableindex(d)) continue;
                const double f = m.deptarea[d] / area;
                const double w = length * f;
                m.centroidx[d] = x + w / 2;
                x = x + w;
                m.deptx1[d] = px;
                px = px + dw * f;
                m.deptx2[d] = px;
                m.depty1[d] = b.top[band];
                m.depty2[d] = b.bottom[band];
                m.centroidy[d] = b.centre[band];
                m.bandheight[d] = b.height[band];
                m.deptplaced[d] = 1;
            }
        }
    }
}

bool touching(const Module1& m, int i, int j) {
    if (m.depty1[i] == m.depty1[j] && (m.deptx2[i] == m.deptx1[j] || m.deptx1[i] == m.deptx2[j]))
        return true;
    if (!(m.depty1[i] == m.depty2[j]) && !(m.depty1[j] == m.depty2[i])) return false;
    // Neighbouring bands: the extents overlap or touch, corners included.
    return (m.deptx1[j] <= m.deptx2[i] && m.deptx2[i] <= m.deptx2[j]) ||
           (m.deptx1[i] <= m.deptx2[j] && m.deptx2[j] <= m.deptx2[i]);
}

void testadjacency(Module1& m) {
    for (int k = 1; k <= 6; ++k) {
        const double weight = m.relweight[k];
        const int count = std::clamp(m.nrelpairs[k], 0, int(m.relpairs[k].size()) - 1);
        for (int n = 1; n <= count; ++n) {
            const int code = m.relpairs[k][n];
            const int i = code / 100;
            const int j = code - 100 * i;
            if (!m.pairplaced(i, j)) continue;
            m.adjflag = touching(m, i, j) ? 1 : 0;
            m.adjscore = m.adjscore + m.adjflag * weight;
            m.adjmatrix[i][j] = m.adjflag;
        }
    }
}

} // namespace

void Module1::evallayout() {
    adjscore = 0;
    forgetevaluation(*this);
    placedepartments(*this);
    testadjacency(*this);
}

void Module1::layoutgeometry() {
    evallayout();
}
