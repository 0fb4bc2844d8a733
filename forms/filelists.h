#pragma once
// Drive, folder and file lists of the file window. Drives are the roots of
// the mounted file systems, "/" first. The folder list shows the chosen folder,
// its parent and its subfolders; the file list the files of a folder that
// match a pattern ("*." = files without an extension), hidden files left out.

#include <QComboBox>
#include <QListWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Form;

class DriveList final : public QComboBox {
public:
    DriveList(Form* form, std::string_view name);
    std::string drive() const;
    // Chooses a listed drive; onchange runs when the drive changes. A drive
    // that is not listed throws std::runtime_error.
    void setdrive(std::string_view drive);
    std::function<void()> onchange;
};

class DirList final : public QListWidget {
public:
    DirList(Form* form, std::string_view name); // starts at the current folder
    std::string path() const;
    // Goes to a folder (relative names are taken from the shown folder);
    // onchange runs when the folder changes. A folder that does not exist or
    // cannot be read throws std::runtime_error and the list stays as it was.
    void setpath(std::string_view path);
    std::vector<std::string> subfolders() const;
    std::function<void()> onchange;

private:
    void refresh();
    std::string path_;
};

class FileList final : public QListWidget {
public:
    FileList(Form* form, std::string_view name); // starts at the current folder
    // Lists a folder; one that cannot be read throws std::runtime_error.
    void setpath(std::string_view folder);
    std::string path() const { return path_; }
    void setpattern(std::string_view pattern);
    std::vector<std::string> files() const;
    std::string filename() const; // the selected file's name, "" when none
    // A user's click and double-click on the named file.
    void clickfile(std::string_view name);
    void dblclickfile(std::string_view name);
    std::function<void()> onclick;
    std::function<void()> ondblclick;

private:
    void refresh();
    std::string path_, pattern_ = "*.*";
};

} // namespace forms
