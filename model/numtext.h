#pragma once
// Number text, the one module for turning numbers into text and typed text
// into numbers. Every window and the problem file go through it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// An unsigned number at the start of a text, in the one number syntax of
// typed numbers and the problem file: digits with an optional decimal point
// (".5" and "5." too) and an optional exponent ("1e9", "2.5E-3"). An exponent
// without digits ("1e", "1e+") is not part of the number.
struct Number {
    double value = 0;
    std::size_t length = 0; // characters the number takes
    bool whole = false;     // written with neither a decimal point nor an exponent
};
// Empty when the text does not begin with a number or the number lies beyond
// the range of a double.
std::optional<Number> leadingnumber(std::string_view text);

// A typed number: leading blanks are skipped, then an optional sign and the
// number the text goes on with; text that does not begin with a number, and a
// number too large to hold, read as 0 (no message). "12abc" reads as 12.
double val(std::string_view text);

// Formats with a pattern of digit placeholders: "0" always shows a digit,
// "#" only a significant one; rounding is half away from zero. Examples:
// format(0.5, "0.00") = "0.50", format(0.5, "###.00") = ".50",
// format(7, "#0") = "7", format(1234.5, "######0.0") = "1234.5".
std::string format(double value, std::string_view pattern);

// A number as a box shows it plainly: at most 15 significant digits, no
// exponent, no trailing zeros ("3", "-2.5", "300.3" for 100.1 + 200.2).
std::string plain(double value);

// The text form of a number: the plain number with a leading blank in place of
// a plus sign (" 3", "-3", " 2.5"), as captions, list items and grid cells show it.
std::string str(double value);

// A number printed into a drawing on its own: the sign place (a blank when
// not negative) before it and one blank after it (" 3 ", "-3 ").
std::string printed(double value);

// A number as the problem file writes it: whole values without a decimal
// point, others in the shortest form that reads back to the same value, with a
// leading 0 between -1 and 1 ("0.5", "-0.25").
std::string filenumber(double value);

} // namespace numtext
