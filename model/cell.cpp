#include "model/cell.h"

#include "model/numtext.h"

#include <utility>

// A text holds in arithmetic the number it begins with ("12" is 12, "A" and ""
// are 0), as a typed number would read.
Cell::Cell(std::string s) : num_(numtext::val(s)), kind_(Kind::Text), text_(std::move(s)) {}

std::string Cell::str() const {
    switch (kind_) {
    case Kind::Empty:
        return "";
    case Kind::Text:
        return text_;
    case Kind::Whole:
    case Kind::Decimal:
        break;
    }
    return numtext::str(num_);
}

long Cell::whole() const {
    constexpr double limit = 9.2e18; // inside the range of long
    if (!(num_ == num_)) return 0;
    if (num_ >= limit) return long(limit);
    if (num_ <= -limit) return -long(limit);
    return long(num_);
}
