#include "platform/forms/picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include "platform/core/error.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"

namespace platform::forms {

Picture::Picture(Form& form, QString name)
    : VisualControl(form, std::move(name), ControlKind::Picture, HasFont::no) {
    bind(QStringLiteral("Stretch"), Stretch);
}

void Picture::LoadPicture(const QString& name) {
    if (name.isEmpty()) {
        Clear();
        return;
    }
    const QString path = files::resolve(name);
    if (!QFileInfo(path).isFile()) {
        raise(err::FileNotFound, name);
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage loaded = reader.read();
    if (loaded.isNull()) {
        raise(err::InvalidPicture, name);
    }
    image_ = std::move(loaded);
    fileName_ = name;
}

void Picture::Clear() {
    image_ = QImage();
    fileName_.clear();
}

void Picture::SavePicture(const QString& name) const {
    if (image_.isNull()) {
        raise(err::InvalidPicture, name);
    }
    const QString path = files::resolve(name);
    files::beforeDiskChange("write", path);
    // Written aside and renamed, so a failed save never leaves half a picture.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image_.save(&file, "JPEG", 90) || !file.commit()) {
        raise(err::PathFileAccess, QStringLiteral("impossible d'écrire l'image %1").arg(name));
    }
}

void Picture::setImage(const QImage& image, const QString& label) {
    image_ = image;
    fileName_ = label;
}

}  // namespace platform::forms
