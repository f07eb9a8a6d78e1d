// A picture on a window, loaded from a JPEG file and saved back as one.
#pragma once

#include <QImage>
#include <QString>

#include "platform/forms/control.h"

namespace platform::forms {

class Picture : public VisualControl {
public:
    Picture(Form& form, QString name);

    bool Stretch = true;

    // Loads the picture of file `name` (Windows-style); an empty name empties the picture. A
    // missing file raises "file not found", a file that is no picture "invalid picture".
    void LoadPicture(const QString& name);
    void Clear();
    // Writes the picture shown to file `name` as JPEG; an empty picture raises "invalid picture".
    void SavePicture(const QString& name) const;
    // A picture of the program itself (not a file), e.g. a decoration.
    void setImage(const QImage& image, const QString& label);

    bool isEmpty() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    // The file the picture came from, as the windows named it (empty when none).
    const QString& fileName() const { return fileName_; }

private:
    QImage image_;
    QString fileName_;
};

}  // namespace platform::forms
