// The shortcut object of the original script host ("Wscript.Shell", CreateShortcut, TargetPath,
// Save) on a freedesktop desktop: a shortcut is a desktop entry, the file a menu reads to offer
// a program. Its file name must end in ".desktop", the only name menus accept.
#pragma once

#include <QString>

namespace platform::desktop {

class Shortcut {
public:
    // `fullName`: the Windows-style name of the entry file to write.
    explicit Shortcut(QString fullName) : fullName_(std::move(fullName)) {}

    const QString& FullName() const { return fullName_; }

    // The Windows-style name of what the shortcut starts: a program (an executable file), or a
    // document or folder, which the desktop opens with its usual application (xdg-open).
    QString TargetPath;

    // Writes the entry, named after the file ("Recette.desktop" is shown as Recette), replacing an
    // existing one in one rename. A target that does not exist raises "file not found" and a name
    // without the ".desktop" ending "bad file name"; nothing is written then.
    void Save() const;

private:
    QString fullName_;
};

// The script host's CreateShortcut: the object for the entry file `fullName`, not yet written.
Shortcut CreateShortcut(const QString& fullName);

}  // namespace platform::desktop
