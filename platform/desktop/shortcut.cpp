#include "platform/desktop/shortcut.h"

#include <QFileInfo>

#include "platform/core/error.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/files/posix_file.h"

namespace platform::desktop {

namespace {

const QString entryEnding = QStringLiteral(".desktop");

// A value of type string in a desktop entry: a backslash and the characters a line cannot hold
// written as escapes, a leading space as \s so that it is not dropped.
QString stringValue(const QString& text) {
    QString value;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            value += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            value += QStringLiteral("\\n");
        } else if (c == u'\r') {
            value += QStringLiteral("\\r");
        } else if (c == u'\t') {
            value += QStringLiteral("\\t");
        } else if (c == u' ' && i == 0) {
            value += QStringLiteral("\\s");
        } else {
            value += c;
        }
    }
    return value;
}

// One argument of the Exec key: quoted, the four characters still special inside quotes
// escaped with a backslash, and % doubled so that it is no field code. The string escapes are
// applied on top (stringValue), as readers undo them first: a backslash of a path ends up as
// four.
QString execArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        } else if (c == u'%') {
            quoted += u'%';
        }
        quoted += c;
    }
    return quoted + u'"';
}

QString entryText(const QString& name, const QString& target) {
    const QFileInfo info(target);
    const bool program = info.isFile() && info.isExecutable();
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=") + stringValue(name) + u'\n';
    if (program) {
        text += QStringLiteral("Exec=") + stringValue(execArgument(target)) + u'\n';
        // Started from its own folder, as a program started from its folder's window would be.
        text += QStringLiteral("Path=") + stringValue(info.absolutePath()) + u'\n';
    } else {
        text += QStringLiteral("Exec=xdg-open ") + stringValue(execArgument(target)) + u'\n';
    }
    text += QStringLiteral("Terminal=false\n");
    return text;
}

}  // namespace

void Shortcut::Save() const {
    const QString file = files::resolve(fullName_);
    const QString fileName = QFileInfo(file).fileName();
    if (!fileName.endsWith(entryEnding) || fileName.size() == entryEnding.size()) {
        throw Error(err::BadFileName,
                    QStringLiteral("Le raccourci %1 doit porter un nom terminé par %2")
                        .arg(files::windowsName(file), entryEnding));
    }
    const QString target = files::resolve(TargetPath);
    if (!QFileInfo::exists(target)) {
        raise(err::FileNotFound, files::windowsName(target));
    }
    files::beforeDiskChange("write", file);
    files::StagedFile entry(file, files::Action::Write);
    entry.write(entryText(fileName.chopped(entryEnding.size()), target).toUtf8());
    entry.commit();
}

Shortcut CreateShortcut(const QString& fullName) {
    return Shortcut(fullName);
}

}  // namespace platform::desktop
