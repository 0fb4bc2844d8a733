// Feeds arbitrary bytes to the problem-file reader. The reader must never
// crash, hang or touch memory outside a table; and whatever it accepts, the
// writer must write so that it reads back to the same file.
//
// Build and run it with: sh scripts/fuzz.sh [-max_total_time=SECONDS]

#include "model/module1.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A folder of this process's own, removed when the fuzzer exits. The path
// lives on the heap so that it outlasts the static objects at exit.
const fs::path& folder() {
    static const fs::path* const dir = [] {
        const fs::path shm = "/dev/shm";
        const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        auto* d = new fs::path(base / ("marqueta-fuzz-" + std::to_string(::getpid())));
        fs::create_directories(*d);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(folder(), ignored);
        });
        return d;
    }();
    return *dir;
}

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Reads `path` into a fresh state; null when the file was refused.
std::unique_ptr<Module1> load(const fs::path& path) {
    auto m = std::make_unique<Module1>();
    bool refused = false;
    m->showmessage = [&refused](std::string_view) { refused = true; };
    m->problemfile = path.string();
    m->loadproblemfile();
    if (refused) return nullptr;
    return m;
}

std::string save(Module1& m, const fs::path& path) {
    m.problemfile = path.string();
    m.filemode = 1;
    m.saveproblemfile();
    return contents(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path in = folder() / "IN";
    {
        std::ofstream out(in, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    auto first = load(in);
    if (!first) return 0;
    const std::string written = save(*first, folder() / "ONE");
    auto second = load(folder() / "ONE");
    if (!second || save(*second, folder() / "TWO") != written) {
        std::fputs("a file the reader accepted did not come back the same\n", stderr);
        std::abort();
    }
    return 0;
}
