#pragma once
// A value cell: empty, a whole number, a decimal number or a text.
//
// A cell never assigned is empty. Empty reads as 0 in arithmetic and as ""
// where text is expected, yet stays distinct from 0 and from "" through the
// problem file, which writes an empty cell as an empty item.

#include <cstdint>
#include <string>
#include <string_view>

class Cell final {
public:
    enum class Kind : std::uint8_t { Empty, Whole, Decimal, Text };

    Cell() = default;
    Cell(int v) : num_(v), kind_(Kind::Whole) {}
    Cell(long v) : num_(double(v)), kind_(Kind::Whole) {}
    Cell(double v) : num_(v), kind_(Kind::Decimal) {}
    Cell(std::string s);
    Cell(std::string_view s) : Cell(std::string(s)) {}
    Cell(const char* s) : Cell(std::string(s)) {}

    static Cell empty() { return {}; }

    Kind kind() const { return kind_; }
    bool isempty() const { return kind_ == Kind::Empty; }
    bool istext() const { return kind_ == Kind::Text; }
    bool isnumber() const { return kind_ == Kind::Whole || kind_ == Kind::Decimal; }

    // The value in arithmetic: 0 when empty, the number read from the text for a text.
    operator double() const { return num_; }
    double num() const { return num_; }
    // The value truncated towards zero, for counts and table indexes.
    // Values beyond the range of long are clamped; a value that is not a number gives 0.
    long whole() const;

    // The value where text is expected: "" when empty, the text itself, or a
    // number in its text form (leading blank in place of a plus sign).
    std::string str() const;
    // The text of a text cell, "" for any other cell.
    const std::string& text() const { return text_; }

    // Whole and decimal numbers of the same value are equal; empty, numbers and
    // texts never equal each other.
    bool operator==(const Cell& o) const {
        if (isnumber() && o.isnumber()) return num_ == o.num_;
        return kind_ == o.kind_ && text_ == o.text_;
    }

private:
    double num_ = 0;
    Kind kind_ = Kind::Empty;
    std::string text_;
};
