#include "platform/files/names.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>

#include "platform/core/error.h"
#include "platform/files/disk_names.h"

namespace platform::files {

namespace {

std::vector<Drive> mapFromEnvironment() {
    std::vector<Drive> map;
    const char* spec = std::getenv("RECETTE_LECTEURS");
    if (spec != nullptr && *spec != '\0') {
        for (const QString& entry : QString::fromLocal8Bit(spec).split(u';', Qt::SkipEmptyParts)) {
            const qsizetype eq = entry.indexOf(u'=');
            if (eq == 1 && entry[0].isLetter()) {
                map.push_back({entry[0].toUpper(), QDir::cleanPath(entry.mid(2))});
            }
        }
        return map;
    }
    map.push_back({u'C', QDir::homePath()});
    // Removable media as the desktop mounts them, in name order.
    const QString user = qEnvironmentVariable("USER");
    QStringList media;
    for (const QString& base :
         {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user}) {
        const QDir dir(base);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            media << dir.filePath(name);
        }
    }
    char16_t letter = u'D';
    for (const QString& folder : media) {
        if (letter > u'Z') {
            break;
        }
        map.push_back({QChar(letter++), folder});
    }
    return map;
}

std::vector<Drive>& driveMap() {
    static std::vector<Drive> map = mapFromEnvironment();
    return map;
}

QString& programFolderValue() {
    static QString folder = QDir::currentPath();
    return folder;
}

QString& workingFolderValue() {
    static QString folder = QDir::currentPath();
    return folder;
}

// Whether `path` is `folder` or lies inside it; a drive mapped onto "/" holds every path.
bool isInside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

const Drive* findDrive(QChar letter) {
    for (const Drive& d : driveMap()) {
        if (d.letter == letter.toUpper()) {
            return &d;
        }
    }
    return nullptr;
}

// The entries of a folder by their case-folded name, each with its real spelling (the first in
// name order when several differ only by case).
using Listing = QHash<QString, QString>;

Listing readListing(const QString& folder) {
    Listing listing;
    for (const FolderEntry& entry : readFolder(folder)) {
        QString& real = listing[entry.name.toCaseFolded()];
        if (real.isEmpty() || entry.name < real) {
            real = entry.name;
        }
    }
    return listing;
}

// The listings kept while a FolderListingScope lives, by folder.
struct KeptListings {
    int scopes = 0;
    std::map<QString, Listing> folders;
};

KeptListings& kept() {
    static KeptListings value;
    return value;
}

// The real name of `component` inside `folder`: exact when it exists, else the first entry, in
// name order, equal to it without regard to case, else empty.
QString matchComponent(const QString& folder, const QString& component) {
    if (entryExists(folder + u'/' + component)) {
        return component;
    }
    if (kept().scopes == 0) {
        return readListing(folder).value(component.toCaseFolded());
    }
    auto it = kept().folders.find(folder);
    if (it == kept().folders.end()) {
        it = kept().folders.emplace(folder, readListing(folder)).first;
    }
    return it->second.value(component.toCaseFolded());
}

}  // namespace

const std::vector<Drive>& drives() {
    return driveMap();
}

void setDrive(QChar letter, const QString& folder) {
    const QChar upper = letter.toUpper();
    auto& map = driveMap();
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (Drive& d : map) {
        if (d.letter == upper) {
            d.folder = clean;
            return;
        }
    }
    map.push_back({upper, clean});
    std::sort(map.begin(), map.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

void resetDrives() {
    driveMap() = mapFromEnvironment();
}

QString programFolder() {
    return programFolderValue();
}

void setProgramFolder(const QString& folder) {
    programFolderValue() = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    workingFolderValue() = programFolderValue();
}

QString workingFolder() {
    return workingFolderValue();
}

void changeWorkingFolder(const QString& name) {
    const QString path = resolve(name);
    if (kindOf(path) != Kind::Folder) {
        raise(err::PathNotFound, name);
    }
    workingFolderValue() = path;
}

QString resolve(const QString& name) {
    QString rest = name;
    rest.replace(u'\\', u'/');
    QString base = workingFolderValue();
    if (rest.size() >= 2 && rest[1] == u':' && rest[0].isLetter()) {
        const Drive* drive = findDrive(rest[0]);
        if (drive == nullptr) {
            raise(err::DeviceUnavailable,
                  QStringLiteral("lecteur %1: non disponible").arg(rest[0].toUpper()));
        }
        rest = rest.mid(2);
        // "D:" alone, or "D:name", is the drive's current folder: the working folder when it lies
        // on that drive, else the drive's root.
        const bool onDrive = isInside(base, drive->folder);
        base = (rest.startsWith(u'/') || !onDrive) ? drive->folder : base;
    } else if (rest.startsWith(u'/')) {
        base = QStringLiteral("/");
    }
    QString path = base;
    bool matching = true;
    for (const QString& component : rest.split(u'/', Qt::SkipEmptyParts)) {
        if (component == QStringLiteral(".")) {
            continue;
        }
        if (component == QStringLiteral("..")) {
            path = QFileInfo(path).path();
            continue;
        }
        QString real;
        if (matching) {
            real = matchComponent(path, component);
            matching = !real.isEmpty();
        }
        path = (path.endsWith(u'/') ? path : path + u'/') + (matching ? real : component);
    }
    return QDir::cleanPath(path);
}

QString windowsName(const QString& posixPath) {
    const QString clean = QDir::cleanPath(posixPath);
    const Drive* best = nullptr;
    for (const Drive& d : driveMap()) {
        if (isInside(clean, d.folder) &&
            (best == nullptr || d.folder.size() > best->folder.size())) {
            best = &d;
        }
    }
    if (best == nullptr) {
        return clean;
    }
    QString rest = clean.mid(best->folder.size());
    rest.replace(u'/', u'\\');
    if (!rest.isEmpty() && !rest.startsWith(u'\\')) {
        rest.prepend(u'\\');  // the drive's folder is "/"
    }
    return QString(best->letter) + u':' + (rest.isEmpty() ? QStringLiteral("\\") : rest);
}

QString displayName(const QString& posixPath) {
    const QString clean = QDir::cleanPath(posixPath);
    const QString drive = windowsName(clean);
    if (drive != clean) {
        return drive;
    }
    const QString folder = workingFolderValue();
    if (clean.startsWith(folder + u'/')) {
        QString relative = clean.mid(folder.size() + 1);
        relative.replace(u'/', u'\\');
        return relative;
    }
    return clean;
}

QString linkTarget(const QString& name) {
    const QString path = resolve(name);
    if (!isLink(path)) {
        return name;
    }
    char* real = ::realpath(nativePath(path).constData(), nullptr);
    if (real == nullptr) {
        return name;  // a dangling link: what is done with it says so
    }
    const QString target = decodePath(real);
    std::free(real);
    return windowsName(target);
}

FolderListingScope::FolderListingScope() {
    ++kept().scopes;
}

FolderListingScope::~FolderListingScope() {
    if (--kept().scopes == 0) {
        kept().folders.clear();
    }
}

void noteNewEntry(const QString& posixPath) {
    const QFileInfo info(posixPath);
    const auto it = kept().folders.find(info.path());
    if (it == kept().folders.end()) {
        return;
    }
    QString& real = it->second[info.fileName().toCaseFolded()];
    if (real.isEmpty() || info.fileName() < real) {
        real = info.fileName();
    }
}

void noteRemovedEntry(const QString& posixPath) {
    kept().folders.erase(QFileInfo(posixPath).path());
}

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) {
        return false;
    }
    for (const QChar c : name) {
        if (c.unicode() < 32 || QStringView(u"\\/:*?\"<>|").contains(c)) {
            return false;
        }
    }
    return true;
}

void checkPlainFileName(const QString& name) {
    if (!isPlainFileName(name)) {
        throw Error(err::BadFileName,
                    QStringLiteral("Le nom « %1 » ne peut pas servir de nom de fichier : "
                                   "il ne doit contenir aucun des caractères \\ / : * ? \" < > |")
                        .arg(name));
    }
}

void checkListedName(const QString& name) {
    const bool drive = name.size() >= 2 && name[1] == u':' && name[0].isLetter();
    if (drive || name.contains(u'\\') || name.contains(u'/') || name == QStringLiteral(".") ||
        name == QStringLiteral("..")) {
        throw Error(err::BadFileName,
                    QStringLiteral("Le nom « %1 » se lit comme un chemin vers un autre dossier "
                                   "(un lecteur « X: » ou un « \\ ») : renommez ce fichier pour "
                                   "vous en servir.")
                        .arg(name));
    }
}

void checkNameLength(const QString& name) {
    const QFileInfo path(resolve(name));
    const qsizetype length = path.fileName().toUtf8().size();
    long longest = ::pathconf(nativePath(path.path()).constData(), _PC_NAME_MAX);
    if (longest <= 0) {
        longest = NAME_MAX;
    }
    if (length > longest) {
        throw Error(err::BadFileName,
                    QStringLiteral("Ce nom est trop long pour le disque : %1 octets pour %2 au "
                                   "plus (une lettre accentuée en compte deux). Choisissez un nom "
                                   "plus court.")
                        .arg(length)
                        .arg(longest));
    }
}

}  // namespace platform::files
