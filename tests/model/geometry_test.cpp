// Zone geometry, adjacency and the label grid of a single-story layout, and a
// randomized comparison of the evaluation and the distance scores against a
// plain rectangle-by-rectangle computation.

#include "model/module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace {

// A problem for the evaluation: departments with areas, the building and the
// drawing box, default class scores, no rated pairs yet.
void setproblem(Module1& m, const std::vector<double>& areas, double width, double length,
                double drawwidth = 540, double drawheight = 150) {
    m.ndept = int(areas.size());
    double total = 0;
    for (int d = 1; d <= m.ndept; ++d) {
        m.deptarea[d] = areas[d - 1];
        total = total + areas[d - 1];
    }
    m.totalarea = total;
    m.layoutwidth = width;
    m.layoutlength = length;
    m.drawwidth = drawwidth;
    m.drawheight = drawheight;
    const std::array<int, 7> weights{0, 10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k)
        m.relweight[k] = weights[k];
    m.nrelpairs = {};
}

void place(Module1& m, int d, int zone, int side) {
    (side == 1 ? m.zoneleft : m.zoneright)[zone] = d;
    m.deptpos[d] = 100 * zone + side;
    m.zonearea[zone] = m.zonearea[zone] + m.deptarea[d];
}

// Rates pair i < j with class k (1 = A ... 6 = X); pairs must be rated in
// ascending order, as the score vector lists them.
void rate(Module1& m, int i, int j, int k) {
    m.nrelpairs[k] += 1;
    m.relpairs[k][m.nrelpairs[k]] = 100 * i + j;
    m.relvalue[i][j] = m.relweight[k];
    m.relvalue[j][i] = m.relweight[k];
}

TEST(EvalLayout, PixelEdgesAreCutWhileLabelHeightsAreRounded) {
    Module1 m;
    setproblem(m, {333, 667}, 10, 100, 540, 150);
    place(m, 1, 1, 1);
    place(m, 2, 4, 2);
    m.evallayout();

    // h1 = 3.33: 150 x 0.333 = 49.95 cut to 49, rounded to 50.
    EXPECT_NEAR(m.bandheight[1], 3.33, 1e-12);
    EXPECT_EQ(m.depty1[1], 1);
    EXPECT_EQ(m.depty2[1], 49);
    EXPECT_EQ(m.depty1[2], 49);
    EXPECT_EQ(m.depty2[2], 149); // 49 + Int(100.05)
    EXPECT_NEAR(m.centroidy[1], 10 - 3.33 / 2, 1e-12);
    EXPECT_NEAR(m.centroidy[2], 6.67 / 2, 1e-12);
    EXPECT_EQ(m.centroidx[1], 50);
    EXPECT_EQ(m.deptx1[2], 100);
    EXPECT_EQ(m.deptx2[2], 640);

    const Module1::LabelGrid g = m.labelgrid();
    EXPECT_EQ(g.bands.bottom[1], 49);
    EXPECT_EQ(g.bands.top[3], 149);
    EXPECT_EQ(g.q[1], 50);
    EXPECT_EQ(g.q[2], 100); // Int(100.05 + 0.5)
    EXPECT_EQ(g.q[3], 0);
    EXPECT_EQ(g.row[1], 4);          // Int(50 / 16) + 1
    EXPECT_EQ(g.row[2], 13);         // Int(6.25 + 6.25) + 1
    EXPECT_EQ(g.row[3], 19);         // Int(18.75) + 1
    EXPECT_EQ(m.labelcolumn(2), 46); // Int(100 / 8 + 540 / 16)
}

TEST(EvalLayout, BottomLabelRowIsLoweredTo19) {
    Module1 m;
    setproblem(m, {100, 100}, 10, 20, 540, 200);
    place(m, 1, 1, 1);
    place(m, 2, 5, 1);
    // q1 = q2 = 100, q3 = 0: Int(200 / 8) + 1 = 26, lowered to 19.
    EXPECT_EQ(m.labelgrid().row[3], 19);
}

TEST(EvalLayout, RightEdgeWithinFivePixelsOfTheWallIsNotDrawn) {
    Module1 m;
    setproblem(m, {}, 10, 10, 540, 150);
    m.deptx2[1] = 640;
    m.deptx2[2] = 635;
    m.deptx2[3] = 634.5;
    EXPECT_FALSE(m.rightedgedrawn(1));
    EXPECT_FALSE(m.rightedgedrawn(2));
    EXPECT_TRUE(m.rightedgedrawn(3));
    EXPECT_FALSE(m.rightedgedrawn(19));
    EXPECT_EQ(m.labelcolumn(0), 0);
}

TEST(EvalLayout, EmptyMiddleBandLetsTopAndBottomBandsMeet) {
    Module1 m;
    setproblem(m, {50, 50, 100}, 10, 20);
    place(m, 1, 1, 1);
    place(m, 2, 3, 2);
    place(m, 3, 9, 1);
    rate(m, 1, 2, 2); // E, next to each other in the top band
    rate(m, 1, 3, 1); // A, top and bottom
    rate(m, 2, 3, 6); // X, top and bottom
    m.deptx1[3] = -1; // stale values of an earlier run are overwritten
    m.evallayout();

    EXPECT_EQ(m.depty2[1], 75);
    EXPECT_EQ(m.depty1[3], 75);
    EXPECT_EQ(m.depty2[3], 150);
    EXPECT_EQ(m.deptx1[3], 100);
    EXPECT_EQ(m.deptx2[1], 370);
    EXPECT_EQ(m.deptx1[2], 370);
    EXPECT_EQ(m.centroidy[3], 2.5);
    EXPECT_EQ(m.adjmatrix[1][2], 1);
    EXPECT_EQ(m.adjmatrix[1][3], 1);
    EXPECT_EQ(m.adjmatrix[2][3], 1);
    EXPECT_EQ(m.adjscore, 5 + 10 - 10);
}

TEST(EvalLayout, CornersTouchButSeparateBandsAndDistantNeighboursDoNot) {
    Module1 m;
    // Top: 1 | 2 | 5; middle: 3 | 4 | 6; bottom: 7. Widths are halves and
    // quarters of 540, so the edges are exact: 1 [100, 235], 2 [235, 505],
    // 5 [505, 640]; 3 [100, 505], 4 [505, 505], 6 [505, 640].
    setproblem(m, {25, 50, 75, 0, 25, 25, 100}, 10, 20);
    place(m, 1, 1, 1);
    place(m, 2, 2, 1);
    place(m, 5, 3, 2);
    place(m, 3, 4, 2);
    place(m, 4, 5, 1);
    place(m, 6, 6, 1);
    place(m, 7, 8, 2);
    rate(m, 1, 3, 1);      // overlapping extents
    rate(m, 1, 4, 2);      // 4 has width 0 at x 505: no contact with 1
    rate(m, 1, 5, 3);      // same band, not next to each other
    rate(m, 1, 7, 3);      // top and bottom with a middle band between
    rate(m, 2, 4, 4);      // 2 ends at 505 where 4 lies
    rate(m, 2, 6, 1);      // corner at x 505
    rate(m, 3, 5, 1);      // corner at x 505
    rate(m, 3, 4, 5);      // U: adjacent, adds nothing
    rate(m, 3, 7, 6);      // X: first departments of the middle and bottom bands
    m.adjmatrix[5][6] = 7; // a pair without a letter is not tested: 0
    m.evallayout();

    EXPECT_EQ(m.deptx2[2], 505);
    EXPECT_EQ(m.deptx1[4], 505);
    EXPECT_EQ(m.deptx2[4], 505);
    EXPECT_EQ(m.adjmatrix[1][3], 1);
    EXPECT_EQ(m.adjmatrix[1][4], 0);
    EXPECT_EQ(m.adjmatrix[1][5], 0);
    EXPECT_EQ(m.adjmatrix[1][7], 0);
    EXPECT_EQ(m.adjmatrix[2][4], 1);
    EXPECT_EQ(m.adjmatrix[2][6], 1);
    EXPECT_EQ(m.adjmatrix[3][5], 1);
    EXPECT_EQ(m.adjmatrix[3][4], 1);
    EXPECT_EQ(m.adjmatrix[3][7], 1);
    EXPECT_EQ(m.adjmatrix[5][6], 0);
    EXPECT_EQ(m.adjflag, 1); // the last pair tested
    EXPECT_EQ(m.adjscore, 10 + 1 + 10 + 10 + 0 - 10);

    m.layoutgeometry(); // the same evaluation under its other name
    EXPECT_EQ(m.adjscore, 21);
}

TEST(EvalLayout, BadIndexesFromDataAreSkipped) {
    Module1 m;
    setproblem(m, {100, 100}, 10, 20);
    place(m, 1, 1, 1);
    place(m, 2, 2, 1);
    m.zoneright[1] = 40;
    m.zoneleft[7] = -3;
    m.nrelpairs[1] = 3;
    m.relpairs[1][1] = 102;
    m.relpairs[1][2] = 1999;
    m.relpairs[1][3] = -5;
    m.nrelpairs[2] = 5000;
    m.evallayout();
    EXPECT_EQ(m.adjscore, 10);
}

// ---- the building's size ---------------------------------------------------

void setbuilding(Module1& m, double total, const Cell& width, const Cell& length) {
    m.totalarea = total;
    m.layoutwidth = width;
    m.layoutlength = length;
}

TEST(SizeBuilding, NeverGivesABuildingThatIsNotFinite) {
    Module1 m;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double w135 = std::sqrt(1350 / 1.35);
    // No ratio and no usable building: the default ratio.
    for (const double ratio : {0.0, -2.0, inf, nan}) {
        for (const Cell& w : {Cell(), Cell(0), Cell(-10.0), Cell(inf), Cell(nan)}) {
            setbuilding(m, 1350, w, 20);
            m.sizebuilding(ratio);
            EXPECT_EQ(m.layoutwidth.num(), w135);
            EXPECT_EQ(m.layoutlength.num(), w135 * 1.35);
        }
    }
    // A ratio whose building would not be finite counts as none.
    setbuilding(m, 1e300, 0, 0);
    m.sizebuilding(1e-300);
    EXPECT_EQ(m.layoutwidth.num(), std::sqrt(1e300 / 1.35));
    // A total below 0 gives a building of no size.
    for (const double ratio : {1.35, 0.0}) {
        setbuilding(m, -40, 10, 20);
        m.sizebuilding(ratio);
        EXPECT_EQ(m.layoutwidth.num(), 0);
        EXPECT_EQ(m.layoutlength.num(), 0);
    }
}

// ---- randomized comparison ---------------------------------------------------

struct Problem {
    int n = 0;
    std::vector<double> area; // 1..n
    double width = 0, length = 0, drawwidth = 0, drawheight = 0, total = 0;
    std::array<double, 7> weight{};
    std::array<std::array<int, 19>, 19> rating{}; // class of pair i < j, 0 = no letter
    std::array<std::array<double, 19>, 19> flow{};
    std::vector<int> position; // 1..n: 100 * zone + side
    bool alike = false;        // every pair rated and scored the same
};

struct Rect {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0, cx = 0, cy = 0, h = 0;
};

struct Expected {
    std::array<Rect, 19> rect{};
    std::array<int, 19> placed{};
    std::array<std::array<int, 19>, 19> adjacent{};
    double adjscore = 0;
    std::array<std::array<double, 19>, 19> dist{};
    std::vector<double> sorted;
    double rscore = 0, lower = 0, upper = 0, reldist = 0, prodmove = 0, maxflow = 0;
};

// Each department's rectangle from the departments before it in its band. One
// on no zone or in a band of area 0 is not placed: no rectangle, touching
// none, 0 apart.
Expected reference(const Problem& p) {
    Expected e;
    std::array<double, 10> zone{};
    for (int d = 1; d <= p.n; ++d)
        zone[p.position[d] / 100] += p.area[d];
    std::array<double, 4> bandarea{}, h{};
    for (int b = 1; b <= 3; ++b) {
        bandarea[b] = zone[3 * b - 2] + zone[3 * b - 1] + zone[3 * b];
        h[b] = p.width * (bandarea[b] / p.total);
    }
    const std::array<double, 4> centre{0, p.width - h[1] / 2, h[2] / 2 + h[3], h[3] / 2};
    const double p1 = std::floor(p.drawheight * (h[1] / p.width));
    const double p2 = p1 + std::floor(p.drawheight * (h[2] / p.width));
    const std::array<double, 4> top{0, 1, p1, p2}, bottom{0, p1, p2, p.drawheight};

    std::vector<int> order;
    for (int d = 1; d <= p.n; ++d)
        order.push_back(d);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return p.position[a] < p.position[b]; });
    for (std::size_t s = 0; s < order.size(); ++s) {
        const int d = order[s];
        const int b = (p.position[d] / 100 - 1) / 3 + 1;
        if (p.position[d] == 0 || bandarea[b] == 0) continue;
        double x = 0, px = 100;
        for (std::size_t t = 0; t < s; ++t) {
            const int e2 = order[t];
            if (p.position[e2] == 0 || (p.position[e2] / 100 - 1) / 3 + 1 != b) continue;
            x = x + p.length * (p.area[e2] / bandarea[b]);
            px = px + p.drawwidth * (p.area[e2] / bandarea[b]);
        }
        const double f = p.area[d] / bandarea[b];
        Rect& r = e.rect[d];
        r.x1 = px;
        r.x2 = px + p.drawwidth * f;
        r.cx = x + p.length * f / 2;
        r.y1 = top[b];
        r.y2 = bottom[b];
        r.cy = centre[b];
        r.h = h[b];
        e.placed[d] = 1;
    }

    for (int k = 1; k <= 6; ++k) {
        for (int i = 1; i <= p.n; ++i) {
            for (int j = i + 1; j <= p.n; ++j) {
                if (p.rating[i][j] != k || !e.placed[i] || !e.placed[j]) continue;
                const Rect& a = e.rect[i];
                const Rect& b = e.rect[j];
                bool touch;
                if (a.y1 == b.y1 && (a.x2 == b.x1 || a.x1 == b.x2))
                    touch = true;
                else if (a.y1 != b.y2 && b.y1 != a.y2)
                    touch = false;
                else
                    touch = std::max(a.x1, b.x1) <= std::min(a.x2, b.x2);
                e.adjacent[i][j] = touch;
                if (touch) e.adjscore = e.adjscore + p.weight[k];
            }
        }
    }

    std::vector<double> scores;
    for (int k = 1; k <= 6; ++k) {
        for (int i = 1; i <= p.n; ++i) {
            for (int j = i + 1; j <= p.n; ++j) {
                if (p.rating[i][j] == k) scores.push_back(p.weight[k]);
            }
        }
    }
    for (int i = 1; i <= p.n; ++i) {
        for (int j = i + 1; j <= p.n; ++j) {
            const Rect& a = e.rect[i];
            const Rect& b = e.rect[j];
            const double d =
                e.placed[i] && e.placed[j] ? std::abs(b.cx - a.cx) + std::abs(b.cy - a.cy) : 0;
            e.dist[i][j] = e.dist[j][i] = d;
            e.sorted.push_back(d);
            const double value = p.rating[i][j] ? p.weight[p.rating[i][j]] : 0;
            e.rscore = e.rscore + value * d;
            const double fd = d * p.flow[i][j];
            e.prodmove = e.prodmove + fd;
            e.maxflow = std::max(e.maxflow, fd);
        }
    }
    std::sort(e.sorted.begin(), e.sorted.end());
    // Every pair's score, the unrated pairs' 0 among them, highest first.
    scores.insert(scores.end(), e.sorted.size() - scores.size(), 0.0);
    std::sort(scores.begin(), scores.end(), std::greater<>());
    const std::size_t np = e.sorted.size();
    for (std::size_t k = 0; k < np; ++k) {
        e.lower = e.lower + e.sorted[k] * scores[k];
        e.upper = e.upper + e.sorted[np - 1 - k] * scores[k];
    }
    // Bounds equal but for rounding are those of a chart whose pairs all
    // score alike; the score is then held in 0..1, and 0 / 0 is 1.
    if (std::abs(e.upper - e.lower) <= 1e-9 * std::max(std::abs(e.upper), std::abs(e.lower)))
        e.upper = e.lower + 0.001;
    const double raw = 1 - (e.rscore - e.lower) / (e.upper - e.lower);
    e.reldist = std::isnan(raw) ? 1 : std::min(1.0, std::max(0.0, raw));
    return e;
}

Problem randomproblem(std::mt19937& gen) {
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution(lo, hi)(gen);
    };
    auto whole = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    Problem p;
    p.n = whole(1, 18);
    p.area.assign(p.n + 1, 0);
    for (int d = 1; d <= p.n; ++d) {
        const int kind = whole(0, 9);
        p.area[d] = kind == 0  ? 0
                    : kind < 6 ? whole(1, 900)
                               : std::round(uniform(1, 900) * 100) / 100;
    }
    for (int d = 1; d <= p.n; ++d)
        p.total = p.total + p.area[d];
    if (p.total == 0) p.area[1] = p.total = 50;
    const double ratio = uniform(0.3, 4);
    p.width = std::sqrt(p.total / ratio);
    p.length = p.width * ratio;
    p.drawwidth = whole(0, 2) == 0 ? 537.5 : 540;
    p.drawheight = std::array<double, 3>{150, 149, 160}[whole(0, 2)];
    p.weight = {0, 10, 5, 2, 1, 0, -10};
    if (whole(0, 3) == 0) p.weight = {0, 7.5, 3.25, 2, 0.1, -1, -12.5};
    if (whole(0, 3) == 0) // scores in any order
        for (int k = 1; k <= 6; ++k)
            p.weight[std::size_t(k)] = whole(-20, 20);
    for (int i = 1; i <= p.n; ++i) {
        for (int j = i + 1; j <= p.n; ++j) {
            p.rating[i][j] = whole(0, 8) <= 6 ? whole(0, 6) : 1; // some without a letter
            p.flow[i][j] = whole(0, 3) == 0 ? 0 : whole(1, 400);
        }
    }
    if (whole(0, 5) == 0) { // every pair A, or every class scored the same
        p.alike = true;
        const bool allA = whole(0, 1) == 0;
        if (!allA) p.weight.fill(whole(-20, 20));
        for (int i = 1; i <= p.n; ++i)
            for (int j = i + 1; j <= p.n; ++j)
                p.rating[i][j] = allA ? 1 : whole(1, 6);
    }

    // Positions: every side free to all, or the departments kept to fewer bands.
    std::vector<int> sides;
    const int bandmask = whole(0, 2) == 0 ? whole(1, 7) : 7;
    for (int zone = 1; zone <= 9; ++zone) {
        if (bandmask & (1 << ((zone - 1) / 3)))
            sides.insert(sides.end(), {100 * zone + 1, 100 * zone + 2});
    }
    while (int(sides.size()) < p.n) {
        for (int zone = 1; zone <= 9 && int(sides.size()) < 18; ++zone) {
            for (const int c : {100 * zone + 1, 100 * zone + 2}) {
                if (std::find(sides.begin(), sides.end(), c) == sides.end()) sides.push_back(c);
            }
        }
    }
    std::shuffle(sides.begin(), sides.end(), gen);
    p.position.assign(p.n + 1, 0);
    for (int d = 1; d <= p.n; ++d)
        p.position[d] = sides[d - 1];
    if (whole(0, 3) == 0) p.position[whole(1, p.n)] = 0; // added since the layout was made
    return p;
}

void loadproblem(Module1& m, const Problem& p) {
    m.ndept = p.n;
    for (int d = 1; d <= p.n; ++d)
        m.deptarea[d] = p.area[d];
    m.totalarea = p.total;
    m.layoutwidth = p.width;
    m.layoutlength = p.length;
    m.drawwidth = p.drawwidth;
    m.drawheight = p.drawheight;
    for (int k = 1; k <= 6; ++k)
        m.relweight[k] = p.weight[k];
    m.nrelpairs = {};
    m.relvalue = {};
    for (int i = 1; i <= p.n; ++i) {
        for (int j = i + 1; j <= p.n; ++j) {
            if (p.rating[i][j] != 0) rate(m, i, j, p.rating[i][j]);
            m.flowmatrix[i][j] = p.flow[i][j];
        }
    }
    int at = 0;
    for (int k = 1; k <= 6; ++k) {
        for (int q = 1; q <= m.nrelpairs[k]; ++q)
            m.relvaluelist[++at] = p.weight[k];
    }
    for (int q = at + 1; q <= 153; ++q)
        m.relvaluelist[q] = 1e6; // stale values, unread
    m.zoneleft = {};
    m.zoneright = {};
    m.zonearea = {};
    for (int d = 1; d <= p.n; ++d)
        if (p.position[d] != 0) place(m, d, p.position[d] / 100, p.position[d] % 100);
    m.prodflag = 1;
    m.storescores = 1;
    m.curlayout = 3;
}

TEST(EvalLayout, MatchesAPlainComputationOnRandomLayouts) {
    std::mt19937 gen(20240611);
    Module1 m; // one state throughout: nothing may leak from one layout to the next
    for (int round = 0; round < 3000; ++round) {
        const Problem p = randomproblem(gen);
        loadproblem(m, p);
        m.evallayout();
        const Expected e = reference(p);
        SCOPED_TRACE(round);
        for (int d = 1; d <= maxdept; ++d) {
            const Rect& r = e.rect[d];
            ASSERT_EQ(m.deptplaced[d], e.placed[d]) << d;
            ASSERT_EQ(m.deptx1[d], r.x1) << d;
            ASSERT_EQ(m.deptx2[d], r.x2) << d;
            ASSERT_EQ(m.depty1[d], r.y1) << d;
            ASSERT_EQ(m.depty2[d], r.y2) << d;
            ASSERT_EQ(m.centroidx[d], r.cx) << d;
            ASSERT_EQ(m.centroidy[d], r.cy) << d;
            ASSERT_EQ(m.bandheight[d], r.h) << d;
        }
        for (int i = 1; i <= p.n; ++i) {
            for (int j = i + 1; j <= p.n; ++j)
                ASSERT_EQ(m.adjmatrix[i][j], e.adjacent[i][j]) << i << ' ' << j;
        }
        ASSERT_EQ(m.adjscore, e.adjscore);

        // The first departments of two neighbouring non-empty bands share x 100.
        std::array<int, 4> first{};
        for (int z = 9; z >= 1; --z) {
            for (const int d : {m.zoneright[z], m.zoneleft[z]}) {
                if (d != 0 && p.area[d] > 0) first[(z - 1) / 3 + 1] = d;
            }
        }
        std::vector<int> firsts;
        for (int b = 1; b <= 3; ++b) {
            if (first[b] != 0) firsts.push_back(first[b]);
        }
        for (std::size_t s = 1; s < firsts.size(); ++s) {
            const int i = std::min(firsts[s - 1], firsts[s]);
            const int j = std::max(firsts[s - 1], firsts[s]);
            if (p.rating[i][j] != 0 && m.depty1[i] != m.depty1[j]) {
                ASSERT_EQ(m.adjmatrix[i][j], 1);
            }
        }

        m.calcdeptdistances();
        for (int i = 1; i <= p.n; ++i) {
            ASSERT_EQ(m.distmatrix[i][i], 0);
            for (int j = 1; j <= p.n; ++j) {
                if (j != i) {
                    ASSERT_EQ(m.distmatrix[i][j], e.dist[i][j]);
                }
            }
        }
        ASSERT_EQ(m.npairs, int(e.sorted.size()));
        for (int q = 0; q < m.npairs; ++q)
            ASSERT_EQ(m.distlist[q + 1], e.sorted[q]);
        ASSERT_EQ(m.rscore, e.rscore);
        ASSERT_EQ(m.lowerbound, e.lower);
        ASSERT_EQ(m.upperbound, e.upper);
        ASSERT_EQ(m.reldist, e.reldist);
        // Whatever the scores, R lies between its bounds (but for rounding).
        const double slack = 1e-9 * (std::abs(m.lowerbound) + std::abs(m.upperbound) + 1);
        ASSERT_TRUE(m.lowerbound - slack <= m.rscore && m.rscore <= m.upperbound + slack);
        ASSERT_TRUE(m.reldist >= (p.alike ? 1 - 1e-3 : 0) && m.reldist <= 1) << m.reldist;
        ASSERT_EQ(m.savedreldist[3], e.reldist);
        ASSERT_EQ(m.savedrscore[3], e.rscore);
        ASSERT_EQ(double(m.savedprodmove[3]), e.prodmove);
        ASSERT_EQ(m.maxflowdist, e.maxflow);
        ASSERT_EQ(m.adjscore, 0);
    }
}

} // namespace
