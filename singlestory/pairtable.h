#pragma once
// What the distance and product-flow analysis windows share: the pair chart
// set up for the problem's departments, and the text of a pair's cell.

#include "problem/pairchart.h"

#include <string>

// Hides the whole chart, then shows the headings of the problem's departments.
void setuppairtable(pairchart& chart);

// A value rounded to a whole number and padded to at least three characters
// with leading blanks ("  7", " 42", "1234").
std::string paircell(double value);

// Shows pair (i, j)'s box, centred, with the text.
void showpair(pairchart& chart, int i, int j, const std::string& text);

// Shows pair (i, j)'s box with the value as paircell writes it; empty when the
// evaluated layout leaves out either department, which has nothing to measure.
void showmeasure(pairchart& chart, int i, int j, double value);
