#include "model/cell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Cell, EmptyWholeDecimalAndTextStayDistinct) {
    const Cell empty;
    const Cell zero(0);
    const Cell decimalzero(0.0);
    const Cell emptytext("");
    EXPECT_TRUE(empty.isempty());
    EXPECT_EQ(zero.kind(), Cell::Kind::Whole);
    EXPECT_EQ(decimalzero.kind(), Cell::Kind::Decimal);
    EXPECT_TRUE(emptytext.istext());
    EXPECT_FALSE(empty == zero);
    EXPECT_FALSE(empty == emptytext);
    EXPECT_FALSE(zero == emptytext);
    EXPECT_EQ(Cell(), Cell::empty());
}

TEST(Cell, EmptyReadsAsZeroAndAsEmptyText) {
    const Cell empty;
    EXPECT_EQ(double(empty), 0);
    EXPECT_EQ(empty + 5.0, 5.0);
    EXPECT_EQ(empty.str(), "");
    EXPECT_EQ(empty.text(), "");
}

TEST(Cell, TextReadsAsTheNumberItBeginsWith) {
    EXPECT_EQ(Cell("A").num(), 0);
    EXPECT_EQ(Cell("").num(), 0);
    EXPECT_EQ(Cell("12").num(), 12);
    EXPECT_EQ(Cell(" 2.5x").num(), 2.5);
    EXPECT_EQ(Cell("A").str(), "A");
    EXPECT_EQ(Cell(std::string_view("xy")).text(), "xy");
}

TEST(Cell, NumbersTurnIntoTheirTextForm) {
    EXPECT_EQ(Cell(3).str(), " 3");
    EXPECT_EQ(Cell(-3).str(), "-3");
    EXPECT_EQ(Cell(2.5).str(), " 2.5");
    EXPECT_EQ(Cell(3L).kind(), Cell::Kind::Whole);
    EXPECT_EQ(Cell(3).text(), "");
}

TEST(Cell, WholeTruncatesAndStaysInRange) {
    EXPECT_EQ(Cell(2.9).whole(), 2);
    EXPECT_EQ(Cell(-2.9).whole(), -2);
    EXPECT_GT(Cell(1e300).whole(), 0);
    EXPECT_LT(Cell(-1e300).whole(), 0);
    EXPECT_EQ(Cell(std::numeric_limits<double>::quiet_NaN()).whole(), 0);
}

TEST(Cell, EqualityComparesKindAndValue) {
    EXPECT_EQ(Cell(2), Cell(2));
    EXPECT_EQ(Cell(2), Cell(2.0)); // a whole and a decimal number of one value
    EXPECT_FALSE(Cell(0) == Cell());
    EXPECT_FALSE(Cell(0) == Cell("0"));
    EXPECT_EQ(Cell("A"), Cell("A"));
    EXPECT_FALSE(Cell("A") == Cell("a"));
}
