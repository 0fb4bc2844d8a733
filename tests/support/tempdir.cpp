#include "tests/support/tempdir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

TempDir::TempDir() {
    const fs::path base = fs::path(MARQUETA_BINARY_DIR) / "test-tmp";
    fs::create_directories(base);
    std::string pattern = (base / "XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a folder in " + base.string());
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Folders made unreadable by a test are opened again so they can go.
    for (auto it = fs::recursive_directory_iterator(
             path_, fs::directory_options::skip_permission_denied, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

fs::path TempDir::write(std::string_view name, std::string_view content) const {
    const fs::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(content.data(), std::streamsize(content.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file;
}

CurrentFolder::CurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

CurrentFolder::~CurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}
