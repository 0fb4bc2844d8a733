// The departments in ascending order of area, and the rated pairs grouped by
// rating class A, E, I, O, U, X.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>
#include <string>

namespace {

// The fixed letters of the six classes, each accepted in either case.
constexpr const char* classupper[7] = {"", "A", "E", "I", "O", "U", "X"};
constexpr const char* classlower[7] = {"", "a", "e", "i", "o", "u", "x"};

// The class 1..6 whose letter the chart text equals exactly, 0 for none.
int ratingclass(const std::string& letter) {
    for (int c = 1; c <= 6; ++c) {
        if (letter == classupper[c] || letter == classlower[c]) return c;
    }
    return 0;
}

} // namespace

void Module1::sortdeptsbyarea() {
    const int n = problemsize(ndept);
    // The order grows from department 1 in the middle of the buffer towards
    // both ends: lo and hi bound the filled stretch.
    for (int i = 2; i <= n; ++i)
        deptorderpos[i] = 0;
    deptorderpos[1] = 18;
    int lo = 18;
    int hi = 18;
    deptorder[18] = 1;
    const auto put = [this](int i, int k) {
        deptorder[k] = i;
        deptorderpos[i] = k;
    };
    for (int i = 2; i <= n; ++i) {
        const double a = deptarea[i];
        if (a >= deptarea[deptorder[hi]]) {
            ++hi;
            put(i, hi);
        } else if (a <= deptarea[deptorder[lo]]) {
            --lo;
            put(i, lo);
        } else {
            // The first place from lo + 1 up whose area is not below a; the
            // departments before it move down one place to make room.
            int k = lo + 1;
            while (k < hi && !(a <= deptarea[deptorder[k]]))
                ++k;
            for (int m = lo; m <= k - 1; ++m) {
                deptorder[m - 1] = deptorder[m];
                deptorderpos[deptorder[m - 1]] -= 1;
            }
            --lo;
            put(i, k - 1);
        }
    }
    for (int i = 1; i <= n; ++i)
        deptorderpos[i] = deptorderpos[i] - lo + 1;
    for (int k = 1; k <= n; ++k)
        deptorder[k] = deptorder[lo + k - 1];
}

void Module1::orderpairsbyrating() {
    const int n = problemsize(ndept);
    Table<int, 7> count{};
    for (int c = 1; c <= 6; ++c)
        relclassstart[c] = 1;
    int total = 0;
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const int c = ratingclass(relchart[i][j].str());
            if (c == 0) continue;
            count[c] += 1;
            for (int later = c + 1; later <= 6; ++later) {
                relclassstart[later] = relclassstart[later - 1] + count[later - 1];
            }
            // Make room at the end of the class's block by moving every pair of
            // the later classes up one place.
            total += 1;
            if (c < 6) {
                for (int p = total; p >= relclassstart[c + 1]; --p) {
                    relclasspairs[1][p] = relclasspairs[1][p - 1];
                    relclasspairs[2][p] = relclasspairs[2][p - 1];
                }
            }
            const int place = relclassstart[c] + count[c] - 1;
            relclasspairs[1][place] = i;
            relclasspairs[2][place] = j;
        }
    }
}
