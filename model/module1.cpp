#include "model/module1.h"
#include "model/tableindex.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

Module1* installed = nullptr;

// Seconds since local midnight, with the fraction of the current second.
double secondssincemidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sub = now - std::chrono::system_clock::from_time_t(t);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           std::chrono::duration<double>(sub).count();
}

} // namespace

Module1& module1() {
    if (installed == nullptr) {
        std::fputs("MARQUETA: no program state installed (usemodule1 was never called)\n", stderr);
        std::abort();
    }
    return *installed;
}

void usemodule1(Module1* m) {
    installed = m;
}

void Module1::msgbox(std::string_view text) const {
    if (showmessage) {
        showmessage(text);
    } else {
        std::fprintf(stderr, "%.*s\n", int(text.size()), text.data());
    }
}

void Module1::openwindow(std::string_view name) const {
    if (showwindow) showwindow(name);
}

double Module1::timervalue() const {
    return timer ? timer() : secondssincemidnight();
}

void Module1::randomize(double seed) {
    rng.seed(std::bit_cast<std::uint64_t>(seed));
}

double Module1::rnd() {
    // 53 random bits scaled into [0, 1): never 1.
    return double(rng() >> 11) * 0x1.0p-53;
}

bool Module1::inproblem(int d) const {
    return d >= 1 && d <= problemsize(ndept);
}

double Module1::savedentryarea(const Cell& dept) const {
    const int d = deptnumber(dept);
    return inproblem(d) ? deptarea[d].num() : 0.0;
}

void Module1::computeareastats() {
    const int n = ndept < 0 ? 0 : (ndept > maxdept ? maxdept : ndept);
    double total = 0;
    double squares = 0;
    for (int i = 1; i <= n; ++i) {
        total = total + deptarea[i];
        squares = squares + deptarea[i] * deptarea[i];
    }
    totalarea = total;
    if (n == 0) {
        avgarea = 0;
        stdarea = 0;
        return;
    }
    avgarea = totalarea / n;
    const double variance = squares / n - avgarea * avgarea;
    stdarea = variance > 0 ? std::sqrt(variance) : 0;
}

Cell Module1::chartletter(const Cell& entry) {
    const std::string& text = entry.text();
    if (!entry.istext() || text.empty()) return entry;
    // A character of UTF-8 text is its lead byte and the continuation bytes after it.
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return Cell(text.substr(0, length));
}
