// Windows-style file names on the Linux file system: drive letters mapped onto folders, either
// slash as separator, relative names against the working folder, and each component matched
// without regard to letter case against what exists.
#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace platform::files {

struct Drive {
    QChar letter;    // upper case, 'C' for C:
    QString folder;  // absolute POSIX folder the letter stands for
};

// The drive map. By default C: is the user's home folder and D:, E:, ... the mounted removable
// media; RECETTE_LECTEURS ("C=/home/ana;D=/media/ana/CLE") replaces the whole map.
const std::vector<Drive>& drives();
void setDrive(QChar letter, const QString& folder);
void resetDrives();  // back to the environment's map

// The program's folder (also the working folder at start), as an absolute POSIX path.
QString programFolder();
void setProgramFolder(const QString& folder);

// The working folder, against which relative names resolve.
QString workingFolder();
// Changes the working folder; a folder that does not exist raises "path not found".
void changeWorkingFolder(const QString& name);

// The absolute POSIX path that a Windows-style name designates. Components that exist are taken
// with their real spelling (Images\SOUPE.jpg finds images/Soupe.JPG); the first one that matches
// nothing, and all after it, are kept as spelled. An unmapped drive raises "device unavailable".
QString resolve(const QString& name);

// The Windows-style spelling of an absolute POSIX path: on the drive whose folder holds it
// ("C:\Orvale\Recette"), or the path itself when no drive holds it.
QString windowsName(const QString& posixPath);

// The name of `posixPath` as the user knows it: on the drive that holds it ("C:\Recette\A.MDB");
// when no drive holds it, relative to the working folder if it lies there ("Images\SOUPE.jpg").
// Only a path outside both keeps its POSIX spelling.
QString displayName(const QString& posixPath);

// The name of the file that `name` designates once symbolic links are followed: `name` itself
// when it is no link (or a dangling one), else the linked file as windowsName spells it.
QString linkTarget(const QString& name);

// While one lives, a folder in which a name is looked up is read once and its listing kept,
// with the entries this program makes there added to it: a series of copies into one folder (a
// backup of thousands of pictures) then reads that folder once instead of once per copy. Only for
// a series during which nothing but this program changes those folders.
class FolderListingScope {
public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;
};

// What the platform's own operations tell the kept listings: an entry made, an entry removed.
void noteNewEntry(const QString& posixPath);
void noteRemovedEntry(const QString& posixPath);

// Whether `name` can be one component of a file name: not empty of meaning (".", ".."), no
// folder separator, none of : * ? " < > | and no control character.
bool isPlainFileName(const QString& name);

// Raises "bad file name" with a French message naming `name` unless isPlainFileName(name): for
// names built from user data (a title, a base name) before they reach the file system.
void checkPlainFileName(const QString& name);

// Raises "bad file name" unless `name`, an entry of a file list, designates that very file of
// the working folder when used as a name. An entry that reads as a path ("C:VICTIME.mdb" names
// drive C:, "..\VOISIN.mdb" the parent folder; a zip made elsewhere extracts such names) is
// refused, so that nothing outside the folder is ever reached through a listed name.
void checkListedName(const QString& name);

// Raises "bad file name" with a French message when the last component of `name`, in UTF-8, is
// longer than the file system of its folder accepts: checked before anything is written.
void checkNameLength(const QString& name);

}  // namespace platform::files
