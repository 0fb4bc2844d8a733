#pragma once
// Values read from the state as table indexes: whatever a file or a user put
// there, an index never leaves its table.

#include "model/cell.h"
#include "model/module1.h"

#include <algorithm>
#include <cmath>

// A count cell as a loop bound, kept within 0..max.
inline int boundedcount(const Cell& count, int max) {
    return int(std::clamp(count.whole(), 0L, long(max)));
}

// A stored department number; 0 (no department) when it lies outside 1..18.
inline int deptnumber(const Cell& d) {
    const long v = d.whole();
    return v >= 1 && v <= maxdept ? int(v) : 0;
}

// The department a routing step names: a whole number 1..18, otherwise 0
// (also for fractions: a step 2.5 names no department).
inline int routingstep(const Cell& step) {
    const double v = step;
    if (!(v >= 1 && v <= maxdept) || v != std::floor(v)) return 0;
    return int(v);
}

// A stored story number; 0 (no story) when it lies outside 1..6.
inline int storynumber(const Cell& s) {
    const long v = s.whole();
    return v >= 1 && v <= maxstories ? int(v) : 0;
}

// Whether a stored position code or story number says `code`; 0 (no place)
// is said by an empty cell as well as by the number 0.
inline bool says(const Cell& stored, int code) {
    if (stored.isempty()) return code == 0;
    return stored.isnumber() && stored.num() == code;
}

// The department count as a loop bound, kept within 0..18.
inline int problemsize(int ndept) {
    return std::clamp(ndept, 0, maxdept);
}

// Whether q is an entry of the saved-layout storage.
inline bool savedindex(int q) {
    return q >= 0 && q < savedlayoutstorage;
}

// The place of pair i < j in the row order of a chart of n departments, from 1.
inline int rowposition(int i, int j, int n) {
    return (i - 1) * (2 * n - i) / 2 + j - i;
}
