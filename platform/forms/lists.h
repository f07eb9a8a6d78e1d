// List controls: a plain list box, and the file, drive and folder lists that show the file
// system through Windows-style names.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/forms/control.h"

namespace platform::forms {

// Entries, one selected or none. Click fires when the user picks an entry.
class ListControl : public VisualControl {
public:
    ListControl(Form& form, QString name, ControlKind kind);

    int ListCount() const { return static_cast<int>(items_.size()); }
    // Entry `index` from 0; outside the list raises "invalid property value".
    QString List(int index) const;
    const QStringList& items() const { return items_; }
    int ListIndex = -1;
    // The selected entry, or empty.
    QString Text() const;
    // Selects the entry equal to `text` (exact first, then without regard to case) and fires
    // Click, as a pick by the user does. Returns false when there is no such entry.
    bool pick(const QString& text);

protected:
    QStringList items_;
};

class ListBox : public ListControl {
public:
    ListBox(Form& form, QString name);
    void AddItem(const QString& item);
    void Clear();
    void RemoveItem(int index);
};

// The names of the files of one folder matching a pattern list ("*.mdb", "*.mdb ;*.txt").
class FileListBox : public ListControl {
public:
    FileListBox(Form& form, QString name);

    // The folder, as set (Windows-style or POSIX); setting it reads the folder again.
    QString path() const { return path_; }
    void setPath(const QString& folder);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& patternList);
    // Reads the folder again.
    void Refresh();
    // The selected name, without folder.
    QString FileName() const { return Text(); }

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

// The drives of the drive map, shown as "c: [name]".
class DriveListBox : public ListControl {
public:
    DriveListBox(Form& form, QString name);
    // The current drive, as "c: [name]"; setting it from any text that begins with a mapped
    // letter and a colon selects that drive and fires Change when it changed.
    QString drive() const;
    void setDrive(const QString& drive);
    std::function<void()> Change;
    void Refresh();
};

// The folders below the current folder; the current folder is a full Windows-style path.
class DirListBox : public ListControl {
public:
    DirListBox(Form& form, QString name);
    QString path() const { return path_; }
    // Selects a folder (a drive alone, "D:", selects that drive's current folder); a folder that
    // does not exist raises "path not found". Fires Change when the folder changed.
    void setPath(const QString& folder);
    std::function<void()> Change;

private:
    void readFolders();
    QString path_;
};

}  // namespace platform::forms
