#include "platform/forms/lists.h"

#include <QFileInfo>

#include "platform/core/error.h"
#include "platform/files/disk_names.h"
#include "platform/files/listing.h"
#include "platform/files/names.h"

namespace platform::forms {

ListControl::ListControl(Form& form, QString name, ControlKind kind)
    : VisualControl(form, std::move(name), kind, HasFont::yes) {
    bind(QStringLiteral("ListIndex"), ListIndex);
    addProperty(
        QStringLiteral("ListCount"), [this] { return platform::Value(ListCount()); },
        [this](const platform::Value&) { raise(err::InvalidPropertyValue, Name()); });
}

QString ListControl::List(int index) const {
    if (index < 0 || index >= items_.size()) {
        raise(err::InvalidPropertyValue, Name() + QStringLiteral(".List(%1)").arg(index));
    }
    return items_[index];
}

QString ListControl::Text() const {
    return ListIndex >= 0 && ListIndex < items_.size() ? items_[ListIndex] : QString();
}

bool ListControl::pick(const QString& text) {
    qsizetype index = items_.indexOf(text);
    for (qsizetype i = 0; index < 0 && i < items_.size(); ++i) {
        if (items_[i].compare(text, Qt::CaseInsensitive) == 0) {
            index = i;
        }
    }
    if (index < 0) {
        return false;
    }
    ListIndex = static_cast<int>(index);
    if (Click) {
        Click();
    }
    return true;
}

ListBox::ListBox(Form& form, QString name)
    : ListControl(form, std::move(name), ControlKind::ListBox) {}

void ListBox::AddItem(const QString& item) {
    items_.append(item);
}

void ListBox::Clear() {
    items_.clear();
    ListIndex = -1;
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= items_.size()) {
        raise(err::InvalidCall, Name() + QStringLiteral(".RemoveItem"));
    }
    items_.removeAt(index);
    if (ListIndex >= items_.size()) {
        ListIndex = static_cast<int>(items_.size()) - 1;
    }
}

FileListBox::FileListBox(Form& form, QString name)
    : ListControl(form, std::move(name), ControlKind::FileListBox) {
    addProperty(
        QStringLiteral("Path"), [this] { return platform::Value(path_); },
        [this](const platform::Value& v) { setPath(v.toText()); });
    addProperty(
        QStringLiteral("Pattern"), [this] { return platform::Value(pattern_); },
        [this](const platform::Value& v) { setPattern(v.toText()); });
    addProperty(
        QStringLiteral("FileName"), [this] { return platform::Value(FileName()); },
        [this](const platform::Value& v) { pick(v.toText()); });
}

void FileListBox::setPath(const QString& folder) {
    path_ = folder;
    Refresh();
}

void FileListBox::setPattern(const QString& patternList) {
    pattern_ = patternList;
    Refresh();
}

void FileListBox::Refresh() {
    const QString selected = Text();
    const QString folder = path_.isEmpty() ? files::workingFolder() : files::resolve(path_);
    items_ = files::listFiles(folder, pattern_);
    ListIndex = static_cast<int>(items_.indexOf(selected));
    if (selected.isEmpty()) {
        ListIndex = -1;
    }
}

namespace {
QString driveText(const files::Drive& d) {
    return QString(d.letter.toLower()) + QStringLiteral(": [") + QFileInfo(d.folder).fileName() +
           u']';
}
}  // namespace

DriveListBox::DriveListBox(Form& form, QString name)
    : ListControl(form, std::move(name), ControlKind::DriveListBox) {
    addProperty(
        QStringLiteral("Drive"), [this] { return platform::Value(drive()); },
        [this](const platform::Value& v) { setDrive(v.toText()); });
    Refresh();
    ListIndex = items_.isEmpty() ? -1 : 0;
}

void DriveListBox::Refresh() {
    items_.clear();
    for (const files::Drive& d : files::drives()) {
        items_.append(driveText(d));
    }
}

QString DriveListBox::drive() const {
    return Text();
}

void DriveListBox::setDrive(const QString& drive) {
    const QChar letter = drive.isEmpty() ? QChar() : drive[0].toUpper();
    const auto& map = files::drives();
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (map[i].letter == letter && (drive.size() < 2 || drive[1] == u':')) {
            const bool changed = ListIndex != static_cast<int>(i);
            ListIndex = static_cast<int>(i);
            if (changed && Change) {
                Change();
            }
            return;
        }
    }
    raise(err::DeviceUnavailable, QStringLiteral("lecteur %1 non disponible").arg(drive));
}

DirListBox::DirListBox(Form& form, QString name)
    : ListControl(form, std::move(name), ControlKind::DirListBox) {
    addProperty(
        QStringLiteral("Path"), [this] { return platform::Value(path_); },
        [this](const platform::Value& v) { setPath(v.toText()); });
    path_ = files::windowsName(files::workingFolder());
    readFolders();
    Click = [this] {
        // A pick in the list opens that folder, as a double click did.
        const QString chosen = Text();
        if (!chosen.isEmpty()) {
            setPath(path_.endsWith(u'\\') ? path_ + chosen : path_ + u'\\' + chosen);
        }
    };
}

void DirListBox::setPath(const QString& folder) {
    const QString posix = files::resolve(folder);
    if (files::kindOf(posix) != files::Kind::Folder) {
        raise(err::PathNotFound, folder);
    }
    const QString full = files::windowsName(posix);
    const bool changed = full != path_;
    path_ = full;
    readFolders();
    if (changed && Change) {
        Change();
    }
}

void DirListBox::readFolders() {
    items_ = files::listFolders(files::resolve(path_));
    ListIndex = -1;
}

}  // namespace platform::forms
