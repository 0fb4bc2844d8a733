// The product table: adding, removal, picking for change, the rebuild with the
// edited product last, cancel, and tables from a file that no window makes.
#include "model/module1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Module1::TypedProduct typed(const std::string& name, double uload, std::vector<double> steps) {
    Module1::TypedProduct t;
    t.name = name;
    t.uload = uload;
    t.nsteps = int(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k)
        t.steps[k + 1] = steps[k];
    return t;
}

// Product p's routing as the table holds it.
std::vector<double> routing(const Module1& m, int p) {
    std::vector<double> steps;
    const long start = m.prodvecstart[std::size_t(p)].whole();
    for (long k = 0; k < m.prodveclen[std::size_t(p)].whole(); ++k)
        steps.push_back(m.prodvec[std::size_t(start + k)]);
    return steps;
}

// Every invariant of a table built by the windows: routings end to end.
void expectendtoend(const Module1& m) {
    long next = 1;
    for (int p = 1; p <= m.nprod.whole(); ++p) {
        EXPECT_EQ(m.prodvecstart[std::size_t(p)].whole(), next) << "product " << p;
        next += m.prodveclen[std::size_t(p)].whole();
    }
    EXPECT_EQ(m.prodvectotal.whole(), next - 1);
}

class Products : public ::testing::Test {
protected:
    void SetUp() override {
        m.addproduct(typed("Gear", 5, {1, 3, 2}));
        m.addproduct(typed("Shaft", 7, {2, 4}));
        m.addproduct(typed("Cover", 9, {4, 1, 3, 5}));
    }
    // Picks product p for change and types the edited product, as the
    // change-choice and change windows do.
    void change(int p, const Module1::TypedProduct& edited) {
        m.selprod = p;
        m.pickproduct();
        m.prepareproductplace();
        m.changeproduct(edited);
    }
    Module1 m;
};

TEST_F(Products, AddingAppendsEachRoutingAfterTheLast) {
    EXPECT_EQ(m.nprod.whole(), 3);
    EXPECT_EQ(m.selprod, 3);
    EXPECT_EQ(m.prodname[2], "Shaft");
    EXPECT_EQ(m.uload[3].num(), 9);
    EXPECT_EQ(routing(m, 3), (std::vector<double>{4, 1, 3, 5}));
    expectendtoend(m);
    EXPECT_EQ(m.prodvectotal.whole(), 9);

    // A product without steps starts after the used length all the same.
    m.addproduct(typed("Empty", 1, {}));
    EXPECT_EQ(m.prodvecstart[4].whole(), 10);
    EXPECT_EQ(m.prodveclen[4].whole(), 0);
    EXPECT_EQ(m.prodvectotal.whole(), 9);
}

TEST_F(Products, DeletingClosesUpNumbersAndRoutings) {
    // The last product: nothing moves, only the used length shrinks.
    m.selprod = 3;
    m.deleteproduct();
    EXPECT_EQ(m.nprod.whole(), 2);
    EXPECT_EQ(m.prodvectotal.whole(), 5);
    EXPECT_EQ(m.prodvec[6].num(), 4); // beyond the used length: left as it was
    expectendtoend(m);

    // The first product: the others become 1 and 2, their steps at the front.
    m.addproduct(typed("Cover", 9, {4, 1, 3, 5}));
    m.selprod = 1;
    m.deleteproduct();
    EXPECT_EQ(m.nprod.whole(), 2);
    EXPECT_EQ(m.prodname[1], "Shaft");
    EXPECT_EQ(m.prodname[2], "Cover");
    EXPECT_EQ(m.uload[1].num(), 7);
    EXPECT_EQ(routing(m, 1), (std::vector<double>{2, 4}));
    EXPECT_EQ(routing(m, 2), (std::vector<double>{4, 1, 3, 5}));
    expectendtoend(m);

    // No product picked, or a number no longer in the table: nothing happens.
    for (int p : {0, 3, -1}) {
        m.selprod = p;
        m.deleteproduct();
        EXPECT_EQ(m.nprod.whole(), 2);
        EXPECT_EQ(m.prodvectotal.whole(), 6);
    }
}

TEST_F(Products, ChangingTheMiddleProductAppendsItLast) {
    change(2, typed("Shaft B", 8, {6, 2, 7}));
    EXPECT_EQ(m.nprod.whole(), 3);
    EXPECT_EQ(m.prodname[1], "Gear");
    EXPECT_EQ(m.prodname[2], "Cover");
    EXPECT_EQ(m.uload[2].num(), 9);
    EXPECT_EQ(m.prodname[3], "Shaft B");
    EXPECT_EQ(m.uload[3].num(), 8);
    EXPECT_EQ(routing(m, 1), (std::vector<double>{1, 3, 2}));
    EXPECT_EQ(routing(m, 2), (std::vector<double>{4, 1, 3, 5}));
    EXPECT_EQ(routing(m, 3), (std::vector<double>{6, 2, 7}));
    EXPECT_EQ(m.prodvecstart[3].whole(), 8);
    EXPECT_EQ(m.prodvectotal.whole(), 10);
    expectendtoend(m);
}

TEST_F(Products, PickingLiftsTheProductAndPreparesItsPlace) {
    m.selprod = 2;
    m.pickproduct();
    EXPECT_EQ(m.liftprodname, "Shaft");
    EXPECT_EQ(m.liftuload.num(), 7);
    EXPECT_EQ(m.liftprodvec[1].num(), 2);
    EXPECT_EQ(m.liftprodvec[2].num(), 4);
    EXPECT_TRUE(m.liftprodvec[3].isempty());
    EXPECT_EQ(m.bakprodveclen[2].whole(), 2);
    // Removed, but still counted: entry 3 is the place of the changed product.
    EXPECT_EQ(m.nprod.whole(), 3);
    EXPECT_EQ(m.prodname[2], "Cover");
    m.prepareproductplace();
    EXPECT_EQ(m.prodveclen[3].whole(), 0);
    EXPECT_EQ(m.prodvecstart[3].whole(), 8);
}

TEST(ProductChange, TheOnlyProductStaysFirstAtPositionOne) {
    Module1 m;
    m.addproduct(typed("Gear", 5, {1, 3, 2}));
    m.selprod = 1;
    m.pickproduct();
    m.prepareproductplace();
    m.changeproduct(typed("Gear 2", 6, {2, 1}));
    EXPECT_EQ(m.nprod.whole(), 1);
    EXPECT_EQ(m.prodname[1], "Gear 2");
    EXPECT_EQ(m.prodvecstart[1].whole(), 1);
    EXPECT_EQ(routing(m, 1), (std::vector<double>{2, 1}));
    EXPECT_EQ(m.prodvectotal.whole(), 2);
}

TEST_F(Products, CancelRestoresTheTableExactly) {
    m.prodvec[40] = 12; // beyond the used length, still part of the vector
    const Module1 before = m;
    m.selprod = 1;
    m.pickproduct();
    m.prepareproductplace();
    m.restoreproducts();
    EXPECT_EQ(m.nprod, before.nprod);
    EXPECT_EQ(m.prodname, before.prodname);
    EXPECT_EQ(m.uload, before.uload);
    EXPECT_EQ(m.prodvecstart, before.prodvecstart);
    EXPECT_EQ(m.prodveclen, before.prodveclen);
    EXPECT_EQ(m.prodvec, before.prodvec);
    EXPECT_EQ(m.prodvectotal, before.prodvectotal);
}

TEST_F(Products, EighteenStepsSurviveAChangeAndACancel) {
    std::vector<double> steps;
    for (int k = 1; k <= 18; ++k)
        steps.push_back(k);
    m.addproduct(typed("Long", 2, steps));
    m.selprod = 4;
    m.pickproduct();
    std::vector<double> lifted;
    for (int k = 1; k <= 18; ++k)
        lifted.push_back(m.liftprodvec[std::size_t(k)]);
    m.prepareproductplace();
    m.restoreproducts();
    EXPECT_EQ(m.prodveclen[4].whole(), 18);
    change(4, typed("Long", 2, lifted));
    EXPECT_EQ(routing(m, 4), steps);
    expectendtoend(m);
}

TEST(ProductRoom, FifteenthProductAndAFullRoutingVectorAreRefused) {
    Module1 m;
    for (int p = 1; p <= maxprod; ++p)
        m.addproduct(typed("P", 1, {1, 2}));
    EXPECT_EQ(m.nprod.whole(), 14);
    EXPECT_FALSE(m.productroom(0));
    m.addproduct(typed("Fifteen", 1, {1, 2}));
    EXPECT_EQ(m.nprod.whole(), 14);
    EXPECT_EQ(m.prodvectotal.whole(), 28);

    // Only a file can fill the routing vector so far.
    Module1 f;
    f.prodvectotal = 395;
    EXPECT_TRUE(f.productroom(5));
    EXPECT_FALSE(f.productroom(6));
    f.addproduct(typed("Big", 1, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(f.nprod.whole(), 0);
    EXPECT_EQ(f.prodvectotal.whole(), 395);
}

// Steps naming a department above the count become 0, in place: 1 and 2 do
// not become neighbours in Odd's routing. Steps that name no department stay.
TEST_F(Products, RemovedDepartmentsBecomeStepsThatMoveNothing) {
    m.addproduct(typed("Odd", 2, {25, 2.5, 1, 4, 2}));
    m.prodvec[30] = 4; // beyond the routings, where a later product would start
    const Module1 before = m;
    m.ndept = 3;
    m.fitroutings();
    EXPECT_EQ(routing(m, 2), (std::vector<double>{2, 0}));
    EXPECT_EQ(routing(m, 3), (std::vector<double>{0, 1, 3, 0}));
    EXPECT_EQ(routing(m, 4), (std::vector<double>{25, 2.5, 1, 0, 2}));
    EXPECT_EQ(m.prodvec[30].num(), 0);
    EXPECT_EQ(m.prodvecstart, before.prodvecstart);
    EXPECT_EQ(m.prodveclen, before.prodveclen);
    m.buildflowmatrix();
    EXPECT_EQ(m.flowmatrix[1][2].num(), 0);
}

// Starts and lengths that only a damaged file brings: every read and write
// stays inside the routing vector (checked builds stop on any other).
TEST(ProductFile, StartsAndLengthsOutsideTheVectorStayInside) {
    Module1 m;
    m.nprod = 3;
    m.prodvectotal = 400;
    for (int k = 1; k <= 400; ++k)
        m.prodvec[std::size_t(k)] = k;
    m.prodvecstart[1] = -50;
    m.prodveclen[1] = 30;
    m.prodvecstart[2] = 390;
    m.prodveclen[2] = 40; // runs past position 400
    m.prodvecstart[3] = 1e300;
    m.prodveclen[3] = -7;

    m.selprod = 2;
    m.pickproduct();
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(m.liftprodvec[std::size_t(k)].num(), 389 + k);
    EXPECT_TRUE(m.liftprodvec[12].isempty());
    m.prepareproductplace();
    m.changeproduct(typed("New", 1, {1, 2}));
    m.restoreproducts();
    EXPECT_EQ(m.prodvectotal.whole(), 400);
    EXPECT_EQ(m.prodvec[400].num(), 400);

    for (int p : {3, 1}) {
        m.selprod = p;
        m.pickproduct();
        m.restoreproducts();
        m.deleteproduct();
    }
    EXPECT_EQ(m.nprod.whole(), 1);
}

} // namespace
