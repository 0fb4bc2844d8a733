#include "model/numtext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

using numtext::filenumber;
using numtext::format;
using numtext::printed;
using numtext::str;
using numtext::val;

TEST(NumText, ValReadsTheNumberATextBeginsWith) {
    EXPECT_EQ(val("12"), 12);
    EXPECT_EQ(val("  12.5abc"), 12.5);
    EXPECT_EQ(val("-.5"), -0.5);
    EXPECT_EQ(val(".5"), 0.5);
    EXPECT_EQ(val("+3"), 3);
    EXPECT_EQ(val("5."), 5);
    EXPECT_EQ(val("  -0012.50"), -12.5);
    EXPECT_EQ(val("1,5"), 1); // the comma is not a decimal point
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("-"), 0);
    EXPECT_EQ(val("."), 0);
    EXPECT_EQ(val("- 3"), 0);
}

TEST(NumText, ValReadsExponentsAsTheProblemFileDoes) {
    EXPECT_EQ(val("1e9"), 1e9);
    EXPECT_EQ(val("2.5E3"), 2500);
    EXPECT_EQ(val(" -.5e-1x"), -0.05);
    EXPECT_EQ(val("1e"), 1); // an exponent without digits is not part of the number
    EXPECT_EQ(val("1e+"), 1);
    EXPECT_EQ(val("1e999"), 0); // too large to hold
}

TEST(NumText, FormatPatterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {0.5, "0.00", "0.50"},
        {0.5, "###.00", ".50"},
        {0, "###.00", ".00"},
        {7, "#0", "7"},
        {0, "#0", "0"},
        {1234.5, "######0.0", "1234.5"},
        {1234567.5, "######0.0", "1234567.5"}, // more digits than places: all are shown
        {81.6496580927726, "0.00", "81.65"},
        {99.995, "##0.00", "100.00"},
        {123456.789, "#####0.00", "123456.79"},
        {12.345, "######.00", "12.35"},
        {0.05, "0.0", "0.1"},
        {0.04, "0.0", "0.0"},
        {2.5, "0", "3"},   // half away from zero, not to even
        {-2.5, "0", "-3"}, // likewise below zero
        {-3.25, "0.00", "-3.25"},
        {-0.001, "0.00", "0.00"}, // no sign on a value that rounds to zero
        {2.675, "0.00", "2.68"},  // rounds as the number reads, not as its binary value
        {1e20, "0", "100000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(NumText, TextFormAndPrintedForm) {
    EXPECT_EQ(str(3), " 3");
    EXPECT_EQ(str(-3), "-3");
    EXPECT_EQ(str(2.5), " 2.5");
    EXPECT_EQ(str(0), " 0");
    EXPECT_EQ(str(-0.0), " 0");
    EXPECT_EQ(str(0.1), " 0.1");
    EXPECT_EQ(printed(3), " 3 ");
    EXPECT_EQ(printed(-3), "-3 ");
}

TEST(NumText, FileNumbers) {
    EXPECT_EQ(filenumber(3), "3");
    EXPECT_EQ(filenumber(-10), "-10");
    EXPECT_EQ(filenumber(0.5), "0.5");
    EXPECT_EQ(filenumber(-0.25), "-0.25");
    EXPECT_EQ(filenumber(0.1), "0.1");
    EXPECT_EQ(filenumber(1e-7), "0.0000001"); // never an exponent
    EXPECT_EQ(filenumber(1e21), "1000000000000000000000");
    EXPECT_EQ(filenumber(std::nan("")), "0");
}

TEST(NumText, FileNumbersReadBackExactly) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> dist(-1e6, 1e6);
    for (int i = 0; i < 2000; ++i) {
        const double v = i % 2 ? dist(gen) : dist(gen) / 1e9;
        const std::string text = filenumber(v);
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
        EXPECT_EQ(val(text), v) << text;
    }
}

TEST(NumText, PlainNumbersShowFifteenSignificantDigits) {
    EXPECT_EQ(numtext::plain(100.1 + 200.2), "300.3");
    EXPECT_EQ(numtext::str(0.1 + 0.2), " 0.3");
    EXPECT_EQ(numtext::plain(-2.5), "-2.5");
    EXPECT_EQ(numtext::plain(1234567.125), "1234567.125");
    EXPECT_EQ(numtext::plain(1e20), "100000000000000000000");
    EXPECT_EQ(numtext::plain(-0.0), "0");
    // The file keeps every digit that reads back exactly.
    EXPECT_EQ(numtext::filenumber(100.1 + 200.2), "300.29999999999995");
}
