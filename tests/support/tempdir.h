#pragma once
// Temporary folders for tests: a fresh folder under the build folder,
// removed with everything in it when the object goes; and a guard that makes
// a folder the current one for a while.

#include <filesystem>
#include <string>
#include <string_view>

class TempDir final {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    // The path of a name inside the folder.
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // Writes a file inside the folder (bytes as given); returns its path.
    std::filesystem::path write(std::string_view name, std::string_view content) const;

private:
    std::filesystem::path path_;
};

// Makes a folder the current one until the guard goes.
class CurrentFolder final {
public:
    explicit CurrentFolder(const std::filesystem::path& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};
