#include "forms/filelists.h"

#include "forms/form.h"
#include "forms/useraction.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>
#include <stdexcept>

namespace forms {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The folder named, taken from base when relative, without "." or "..".
QString folderfrom(const QString& base, std::string_view name) {
    return QDir::cleanPath(QDir(base).absoluteFilePath(qs(name)));
}

// A folder the lists can show: it exists and its entries can be read.
QString readablefolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        throw std::runtime_error("the folder " + folder.toStdString() + " cannot be read");
    return folder;
}

} // namespace

DriveList::DriveList(Form* form, std::string_view name) : QComboBox(form) {
    setObjectName(qs(name));
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    roots.removeAll(QStringLiteral("/"));
    roots.sort();
    roots.prepend(QStringLiteral("/"));
    addItems(roots);
    // Starts at the drive that holds the current folder.
    const int here = findText(QStorageInfo(QDir::current()).rootPath());
    setCurrentIndex(std::max(0, here));
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (onchange) onchange();
    });
}

std::string DriveList::drive() const {
    return currentText().toStdString();
}

void DriveList::setdrive(std::string_view drive) {
    const int i = findText(qs(drive));
    if (i < 0) throw std::runtime_error("the drive " + std::string(drive) + " is not available");
    setCurrentIndex(i);
}

DirList::DirList(Form* form, std::string_view name) : QListWidget(form) {
    setObjectName(qs(name));
    path_ = QDir::currentPath().toStdString();
    refresh();
    // A double-click opens the folder: ".." goes up, a name goes down.
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (row(item) == 0) return;
        try {
            setpath(item->text().toStdString());
        } catch (const std::runtime_error&) {
            // A folder that cannot be read is not opened.
        }
    });
}

std::string DirList::path() const {
    return path_;
}

void DirList::setpath(std::string_view path) {
    const QString folder = readablefolder(folderfrom(QString::fromStdString(path_), path));
    if (folder.toStdString() == path_) return;
    path_ = folder.toStdString();
    refresh();
    if (onchange) onchange();
}

std::vector<std::string> DirList::subfolders() const {
    std::vector<std::string> out;
    for (const QString& f : QDir(QString::fromStdString(path_))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        out.push_back(f.toStdString());
    return out;
}

// The shown folder first, then its parent as "..", then its subfolders.
void DirList::refresh() {
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    const QString folder = QString::fromStdString(path_);
    addItem(new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon), folder));
    if (!QDir(folder).isRoot()) addItem(new QListWidgetItem(icon, QStringLiteral("..")));
    for (const std::string& sub : subfolders())
        addItem(new QListWidgetItem(icon, QString::fromStdString(sub)));
    setCurrentRow(0);
}

FileList::FileList(Form* form, std::string_view name) : QListWidget(form) {
    setObjectName(qs(name));
    setSelectionMode(QAbstractItemView::SingleSelection);
    path_ = QDir::currentPath().toStdString();
    refresh();
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (onclick) onclick();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        if (ondblclick) ondblclick();
    });
}

void FileList::setpath(std::string_view folder) {
    path_ = readablefolder(folderfrom(QString::fromStdString(path_), folder)).toStdString();
    refresh();
}

void FileList::setpattern(std::string_view pattern) {
    pattern_ = pattern;
    refresh();
}

namespace {

// Patterns as the file window knows them, several joined by ";": "*.*" is
// every file, "*." a file without an extension, others are wildcards.
bool matches(const QString& file, const QString& patterns) {
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = p.trimmed();
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*")) return true;
        if (pattern == QLatin1String("*.")) {
            if (!file.contains(QLatin1Char('.'))) return true;
            continue;
        }
        if (QDir::match(pattern, file)) return true;
    }
    return false;
}

} // namespace

void FileList::refresh() {
    clear();
    const QString patterns = qs(pattern_);
    // Hidden files are left out: QDir lists them only when asked to.
    for (const QString& f : QDir(QString::fromStdString(path_)).entryList(QDir::Files, QDir::Name))
        if (matches(f, patterns)) addItem(f);
}

std::vector<std::string> FileList::files() const {
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(item(i)->text().toStdString());
    return out;
}

std::string FileList::filename() const {
    const QListWidgetItem* it = currentItem();
    return it && it->isSelected() ? it->text().toStdString() : std::string();
}

namespace {

// Selects the named file as a user's click does; false when the user could not.
bool userclick(FileList& list, std::string_view name) {
    if (!reachable(list, "click in")) return false;
    const auto found = list.findItems(qs(name), Qt::MatchExactly);
    if (found.isEmpty()) {
        scriptfailure("click on " + std::string(name) + ", which " +
                      list.objectName().toStdString() + " does not list");
        return false;
    }
    list.setCurrentItem(found.front(), QItemSelectionModel::ClearAndSelect);
    return true;
}

} // namespace

void FileList::clickfile(std::string_view name) {
    if (userclick(*this, name) && onclick) onclick();
}

// A double-click clicks first, as with a mouse.
void FileList::dblclickfile(std::string_view name) {
    if (!userclick(*this, name)) return;
    if (onclick) onclick();
    if (ondblclick) ondblclick();
}

} // namespace forms
