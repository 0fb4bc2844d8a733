// The problem file: one problem with its saved layouts and saved partitions,
// one record per line, items separated by commas, texts in double quotes,
// numbers bare, empty cells as empty items, lines ended by CR LF, UTF-8.
//
// The writer writes to a temporary file beside the target and renames it over
// the target only once every record is on disk, so a failed save leaves the
// earlier file as it was. The reader reads into a working copy of the state
// and takes it over only once the whole file was read and checked, so a file
// that cannot be read leaves the current problem as it was.

#include "model/module1.h"
#include "model/numtext.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

constexpr int maxmembers = maxdept; // departments on one story
// Longest line the reader accepts; a real problem file's lines are short.
constexpr std::size_t maxlinelength = 64 * 1024;

// A count cell as a loop bound: empty counts as 0; otherwise a whole number
// from 0 to `max`. Writer and reader hold counts to the same bounds, so that
// every file written reads back; anything else is neither written nor read.
std::optional<int> countof(const Cell& c, int max) {
    if (c.isempty()) return 0;
    if (!c.isnumber()) return std::nullopt;
    const double v = c.num();
    if (!(v >= 0 && v <= max) || v != double(long(v))) return std::nullopt;
    return int(v);
}

// ---- writer ---------------------------------------------------------------

// A text item: the format has no escape, so a double quote becomes an
// apostrophe and each line break (CR LF, CR or LF) one blank.
std::string textitem(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += '\'';
        } else if (c == '\r') {
            out += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string item(const Cell& c) {
    if (c.isempty()) return "";
    if (c.istext()) return textitem(c.text());
    return numtext::filenumber(c.num());
}

class Writer final {
public:
    template <typename... Items> void line(const Items&... items) {
        bool first = true;
        ((text_ += (first ? "" : ","), text_ += part(items), first = false), ...);
        text_ += "\r\n";
    }
    const std::string& text() const { return text_; }

private:
    static std::string part(const Cell& c) { return item(c); }
    static std::string part(int v) { return numtext::filenumber(v); }
    static std::string part(const std::string& name) { return textitem(name); }
    std::string text_;
};

// Writes `content` to `target` through a temporary file in the same folder.
bool replacefile(const std::filesystem::path& target, const std::string& content) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path dest = target;
    if (fs::is_symlink(dest, ec)) {
        const fs::path resolved = fs::canonical(dest, ec);
        if (!ec) dest = resolved;
    }
    // A hidden name with an extension, so that the file window never lists it.
    std::mt19937 gen(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::FILE* f = nullptr;
    fs::path temp;
    for (int attempt = 0; attempt < 20 && f == nullptr; ++attempt) {
        temp = dest.parent_path() /
               ("." + dest.filename().string() + ".~" + std::to_string(gen() % 1000000000u));
        f = std::fopen(temp.c_str(), "wbx"); // never an existing file
        if (f == nullptr && errno != EEXIST) return false;
    }
    if (f == nullptr) return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        const auto status = fs::status(dest, ec);
        if (!ec && fs::is_regular_file(status))
            fs::permissions(temp, status.permissions(), ec); // keep the old file's rights
        fs::rename(temp, dest, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

// ---- reader ---------------------------------------------------------------

struct ReadError {
    std::string message;
};

bool validutf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        const char32_t minimum = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

void appendutf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Text from the single-byte code page of older files.
std::string fromwindows1252(std::string_view s) {
    // Code points of 0x80..0x9F; the five unassigned bytes keep their value.
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        appendutf8(out, c >= 0x80 && c < 0xA0 ? high[c - 0x80] : char32_t(c));
    }
    return out;
}

std::string readtext(std::string_view raw) {
    return validutf8(raw) ? std::string(raw) : fromwindows1252(raw);
}

// A bare item as a number: an optional minus sign and a number in the common
// syntax of numbers, nothing before or after them.
std::optional<Cell> readnumber(std::string_view t) {
    const std::size_t sign = t.starts_with('-') ? 1 : 0;
    const auto number = numtext::leadingnumber(t.substr(sign));
    if (!number || sign + number->length != t.size()) return std::nullopt;
    const double v = sign ? -number->value : number->value;
    if (number->whole && v >= -9.0e15 && v <= 9.0e15) return Cell(long(v));
    return Cell(v);
}

class Reader final {
public:
    explicit Reader(std::FILE* f) : file_(f) {}

    // The items of the next line; `expected` says what the line must hold.
    std::vector<Cell> line(std::size_t nitems, const std::string& expected) {
        std::string text;
        if (!next(text)) fail(expected + ", found the end of the file");
        std::vector<Cell> items;
        std::size_t i = 0;
        for (;;) {
            if (i < text.size() && text[i] == '"') {
                const std::size_t close = text.find('"', i + 1);
                if (close == std::string::npos) fail(expected);
                items.emplace_back(readtext(std::string_view(text).substr(i + 1, close - i - 1)));
                i = close + 1;
                if (i < text.size() && text[i] != ',') fail(expected);
            } else {
                const std::size_t comma = std::min(text.find(',', i), text.size());
                const std::string_view bare = std::string_view(text).substr(i, comma - i);
                if (bare.empty()) {
                    items.emplace_back();
                } else if (auto number = readnumber(bare)) {
                    items.push_back(*number);
                } else {
                    fail(expected);
                }
                i = comma;
            }
            if (items.size() > nitems) fail(expected);
            if (i >= text.size()) break;
            ++i; // the comma
        }
        if (items.size() != nitems) fail(expected);
        return items;
    }

    Cell one(const std::string& expected) { return line(1, expected)[0]; }

    // A count line: empty or a whole number from 0 to max.
    int count(Cell& into, int max, const std::string& what) {
        const std::string expected = expected_count(what, max);
        const Cell c = one(expected);
        const auto n = countof(c, max);
        if (!n) fail(expected);
        into = c;
        return *n;
    }

    // A department number or position code: empty, or a whole number that `ok` accepts.
    Cell index(const Cell& c, bool (*ok)(long), const std::string& expected) {
        if (c.isempty()) return c;
        if (!c.isnumber() || c.num() != double(c.whole()) || !ok(c.whole())) fail(expected);
        return c;
    }

    // Blank lines may follow the last record; nothing else may.
    void end() {
        std::string text;
        while (next(text)) {
            if (text.find_first_not_of(" \t") != std::string::npos)
                fail("unexpected content after the last record");
        }
    }

    [[noreturn]] void fail(const std::string& expected) const {
        throw ReadError{"line " + std::to_string(lineno_) + ": " + expected};
    }

    static std::string expected_count(const std::string& what, int max) {
        return "expected " + what + ", a whole number from 0 to " + std::to_string(max);
    }

private:
    bool next(std::string& text) {
        text.clear();
        ++lineno_;
        int c = 0;
        bool any = false;
        while ((c = std::getc(file_)) != EOF) {
            any = true;
            if (c == '\n') break;
            if (text.size() >= maxlinelength) fail("the line is too long");
            text += char(c);
        }
        if (std::ferror(file_)) fail("reading the file failed");
        if (lineno_ == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        return any;
    }

    std::FILE* file_;
    int lineno_ = 0;
};

bool isdepartment(long d) {
    return d >= 0 && d <= maxdept;
}
bool ismember(long d) {
    return d >= 1 && d <= maxdept;
}
bool isstory(long s) {
    return s >= 0 && s <= maxstories;
}
bool isposition(long code) {
    const long zone = code / 100;
    const long side = code % 100;
    return code == 0 || (zone >= 1 && zone <= 9 && side >= 1 && side <= 2);
}

// Every record after the header, read into `m` in the order the writer writes them.
void readrecords(Module1& m, Reader& in) {
    const int n = m.ndept;
    for (int i = 1; i <= n; ++i) {
        auto v = in.line(2, "expected a department line (name in quotes, area)");
        if (!v[0].istext()) in.fail("expected a department line (name in quotes, area)");
        m.deptname[i] = v[0].text();
        m.deptarea[i] = v[1];
    }
    for (int k = 1; k <= 6; ++k)
        m.relweight[k] = in.one("expected a class score line (score)");
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            auto v = in.line(3, "expected a pair line (letter, additions, flow)");
            m.relchart[i][j] = Module1::chartletter(v[0]);
            m.addflowmatrix[i][j] = v[1];
            m.flowmatrix[i][j] = v[2];
        }
    }
    auto g = in.line(11, "expected the building line (11 items)");
    m.drawwidth = g[0];
    m.drawheight = g[1];
    m.drawcellwidth = g[2];
    m.drawcellheight = g[3];
    m.ratioaux1 = g[4];
    m.ratioaux2 = g[5];
    m.ratioaux3 = g[6];
    m.lwratio = g[7];
    m.layoutlength = g[8];
    m.layoutwidth = g[9];
    m.gridflag = g[10];

    const int p = in.count(m.nprod, maxprod, "the product count");
    m.prodflag = 0;
    if (p > 0) {
        for (int i = 1; i <= p; ++i) {
            const std::string expected =
                "expected a product line (name in quotes, unit load, start, length)";
            auto v = in.line(4, expected);
            if (!v[0].istext()) in.fail(expected);
            m.prodname[i] = v[0].text();
            m.uload[i] = v[1];
            m.prodvecstart[i] = v[2];
            m.prodveclen[i] = v[3];
        }
        const int r = in.count(m.prodvectotal, maxprodvec, "the routing length");
        for (int i = 1; i <= r; ++i)
            m.prodvec[i] = in.one("expected a routing step");
        m.prodflag = 1;
    }

    const int q = in.count(m.nsavedlayouts, maxsavedlayouts, "the saved-layout count");
    if (q > 0) {
        for (int l = 1; l <= q; ++l)
            m.savedadjscore[l] = in.one("expected a saved-layout score");
        const std::string zoneline =
            "expected a saved-layout zone line (right department 0 to 18, left department "
            "0 to 18, area)";
        for (int k = 1; k <= 9; ++k) {
            for (int l = 1; l <= q; ++l) {
                auto v = in.line(3, zoneline);
                m.savedzoneright[k][l] = in.index(v[0], isdepartment, zoneline);
                m.savedzoneleft[k][l] = in.index(v[1], isdepartment, zoneline);
                m.savedzonearea[k][l] = v[2];
            }
        }
        const std::string position =
            "expected a saved-layout position (0, or 100 times zone 1 to 9 plus side 1 or 2)";
        for (int i = 1; i <= n; ++i) {
            for (int l = 1; l <= q; ++l)
                m.saveddeptpos[i][l] = in.index(in.one(position), isposition, position);
        }
    }

    const int s = in.count(m.nsavedpart, maxsavedpart, "the saved-partition count");
    for (int part = 1; part <= s; ++part) {
        const std::string head =
            "expected a partition line (stories 0 to 6, desired factor, spare, improved)";
        auto a = in.line(4, head);
        const auto stories = countof(a[0], maxstories);
        if (!stories) in.fail(head);
        m.savednstories[part] = a[0];
        m.saveddesiredadf[part] = a[1];
        m.savedpartspare[part] = a[2];
        m.savedimproved[part] = a[3];
        auto b = in.line(3, "expected a partition line (actual factor, spare, spare)");
        m.savedactualadf[part] = b[0];
        m.savedpartspare2[part] = b[1];
        m.savedpartspare3[part] = b[2];
        m.savedpartscore[part] = in.one("expected a partition score");
        for (m.curstory = 1; m.curstory <= *stories; ++m.curstory) {
            const int st = m.curstory;
            const std::string storyline = "expected a story line (department count 0 to 18, area)";
            auto c = in.line(2, storyline);
            const auto members = countof(c[0], maxmembers);
            if (!members) in.fail(storyline);
            m.savedstorycount[st][part] = c[0];
            m.savedstoryarea[st][part] = c[1];
            const std::string member = "expected a story member (department 1 to 18)";
            for (int k = 1; k <= *members; ++k) {
                const Cell d = in.one(member);
                if (d.isempty()) in.fail(member);
                m.savedstorymembers[st][k][part] = in.index(d, ismember, member);
            }
        }
        const std::string storyof = "expected the story of a department (0 to 6)";
        for (int i = 1; i <= n; ++i)
            m.savedstoryofdept[i][part] = in.index(in.one(storyof), isstory, storyof);
    }
    in.end();
}

} // namespace

bool Module1::saveproblemfile() {
    // The file holds only the problem's departments, also while a problem is
    // still being typed and the routings, saved layouts and partitions name
    // an earlier problem's.
    fittocount();
    if (nsavedpart > 0) refreshsavedpartitions();
    const std::string name = filemode < 3 ? problemfile : problemfile + "-" + storysuffix;

    // Every loop count must lie within its table, or nothing is written.
    const auto p = countof(nprod, maxprod);
    const auto r = countof(prodvectotal, maxprodvec);
    const auto q = countof(nsavedlayouts, maxsavedlayouts);
    const auto s = countof(nsavedpart, maxsavedpart);
    bool ok = ndept >= 0 && ndept <= maxdept && p && q && s && (*p == 0 || r);
    for (int part = 1; ok && part <= *s; ++part) {
        const auto stories = countof(savednstories[part], maxstories);
        ok = stories.has_value();
        for (int st = 1; ok && st <= *stories; ++st)
            ok = countof(savedstorycount[st][part], maxmembers).has_value();
    }
    if (!ok) {
        msgbox("Can't save to CD or write protected drive!");
        return false;
    }

    const int n = ndept;
    Writer out;
    out.line(n, prodflag);
    for (int i = 1; i <= n; ++i)
        out.line(deptname[i], deptarea[i]);
    for (int k = 1; k <= 6; ++k)
        out.line(relweight[k]);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j)
            out.line(relchart[i][j], addflowmatrix[i][j], fileload(i, j));
    }
    out.line(drawwidth, drawheight, drawcellwidth, drawcellheight, ratioaux1, ratioaux2, ratioaux3,
             lwratio, layoutlength, layoutwidth, gridflag);
    out.line(nprod);
    if (*p > 0) {
        for (int i = 1; i <= *p; ++i)
            out.line(prodname[i], uload[i], prodvecstart[i], prodveclen[i]);
        out.line(prodvectotal);
        for (int i = 1; i <= *r; ++i)
            out.line(prodvec[i]);
    }
    out.line(nsavedlayouts);
    if (*q > 0) {
        for (int l = 1; l <= *q; ++l)
            out.line(savedadjscore[l]);
        for (int k = 1; k <= 9; ++k) {
            for (int l = 1; l <= *q; ++l)
                out.line(savedzoneright[k][l], savedzoneleft[k][l], savedzonearea[k][l]);
        }
        for (int i = 1; i <= n; ++i) {
            for (int l = 1; l <= *q; ++l)
                out.line(saveddeptpos[i][l]);
        }
    }
    out.line(nsavedpart);
    for (int part = 1; part <= *s; ++part) {
        out.line(savednstories[part], saveddesiredadf[part], savedpartspare[part],
                 savedimproved[part]);
        out.line(savedactualadf[part], savedpartspare2[part], savedpartspare3[part]);
        out.line(savedpartscore[part]);
        const int stories = *countof(savednstories[part], maxstories);
        for (curstory = 1; curstory <= stories; ++curstory) {
            const int st = curstory;
            out.line(savedstorycount[st][part], savedstoryarea[st][part]);
            const int members = *countof(savedstorycount[st][part], maxmembers);
            for (int k = 1; k <= members; ++k)
                out.line(savedstorymembers[st][k][part]);
        }
        for (int i = 1; i <= n; ++i)
            out.line(savedstoryofdept[i][part]);
    }

    if (!replacefile(name, out.text())) {
        msgbox("Can't save to CD or write protected drive!");
        return false;
    }
    prodflag = 1;
    return true;
}

bool Module1::loadproblemfile() {
    auto work = std::make_unique<Module1>(*this);
    Module1& m = *work;
    for (int k = 1; k <= 9; ++k) {
        m.zoneright[k] = 0;
        m.zoneleft[k] = 0;
        m.zonearea[k] = 0;
    }
    for (int i = 1; i <= ndept && i <= maxdept; ++i)
        m.deptpos[i] = 0;
    m.loadfilename = problemfile;

    std::FILE* f = std::fopen(problemfile.c_str(), "rb");
    if (f == nullptr) {
        msgbox("Problem file could not be read: cannot open " + problemfile);
        return false;
    }
    try {
        Reader in(f);
        const std::string header =
            "expected the header line (department count 0 to 18, product flag)";
        auto h = in.line(2, header);
        const auto n = countof(h[0], maxdept);
        if (h[0].isempty() || !n || h[1].istext()) in.fail(header);
        m.ndept = *n;
        readrecords(m, in);
    } catch (const ReadError& e) {
        std::fclose(f);
        msgbox("Problem file could not be read: " + e.message);
        return false;
    }
    std::fclose(f);
    m.computeareastats();
    *this = std::move(m);
    // The problem read is the whole problem: nothing of an earlier one weighs
    // in, and it is scored as itself even before its windows are confirmed.
    forgetbeyondcount();
    usestandardchart();
    deriveproblem();
    return true;
}
