#pragma once
// Scores are sums whose order differs from one computation to the next, so
// two scores that are equal in exact arithmetic may differ in their last
// bits. Two scores count as apart only when they differ by more than a
// billionth of the larger magnitude.

#include <algorithm>
#include <cmath>

inline constexpr double roundingshare = 1e-9;

// The difference that rounding alone may leave between a and b.
inline double roundingslack(double a, double b) {
    return roundingshare * std::max(std::abs(a), std::abs(b));
}

// Whether a lies above b by more than rounding can explain.
inline bool scoreabove(double a, double b) {
    return a - b > roundingslack(a, b);
}
