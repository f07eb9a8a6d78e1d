#include "base/pictures.h"

#include "platform/core/error.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/forms/picture.h"
#include "shell/donnees.h"

namespace base {

namespace files = platform::files;

bool TitreNommeImage(const QString& titre) {
    return files::isPlainFileName(titre);
}

QString CheminImageDe(const QString& titre) {
    return files::programFolder() + QStringLiteral("\\Images\\") + titre + QStringLiteral(".jpg");
}

bool MontreImage(platform::forms::Picture& image, const QString& titre) {
    Donnees::CheminImage = TitreNommeImage(titre) ? CheminImageDe(titre) : QString();
    if (!Donnees::CheminImage.isEmpty() && files::exists(Donnees::CheminImage) &&
        platform::ignoreErrors([&] { image.LoadPicture(Donnees::CheminImage); })) {
        return true;
    }
    // A file that is no picture is shown as the placeholder too, so that the recipe itself
    // still shows; without a usable placeholder the box stays empty.
    if (!platform::ignoreErrors([&] { image.LoadPicture(QString::fromUtf16(ImageAbsente)); })) {
        image.Clear();
    }
    return false;
}

bool EnregistreImage(const platform::forms::Picture& image, const QString& titre) {
    if (image.isEmpty() || !TitreNommeImage(titre)) {
        return false;
    }
    image.SavePicture(files::programFolder() + QStringLiteral("\\Images\\") + titre +
                      QStringLiteral(".JPG"));
    return true;
}

bool SupprimeImage(const QString& titre) {
    if (!TitreNommeImage(titre)) {
        return false;
    }
    const QString nom = QStringLiteral("Images\\") + titre + QStringLiteral(".jpg");
    if (!files::exists(nom)) {
        return false;
    }
    files::removeFile(nom);
    return true;
}

}  // namespace base
