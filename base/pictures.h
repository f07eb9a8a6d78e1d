// The picture of a recipe: a JPEG file of the folder Images of the program's folder, named after
// the recipe's title and found without regard to letter case. A title that cannot be a file
// name (a folder separator, "..", a character such as : * ? " < > |) names no picture: nothing
// is looked up, written or removed under it, and the caller tells the user.
#pragma once

#include <QString>

namespace platform::forms {
class Picture;
}

namespace base {

// The placeholder shown for a recipe without picture, from the working folder.
inline constexpr char16_t ImageAbsente[] = u"Images\\PAS.jpg";

// Whether `titre` can name a picture file.
bool TitreNommeImage(const QString& titre);

// Program folder + "\Images\" + titre + ".jpg": the picture looked for on display.
QString CheminImageDe(const QString& titre);

// Sets Donnees::CheminImage for `titre` and shows that picture in `image` when the file exists,
// else the placeholder. Returns whether the recipe has a picture of its own (the caller then
// offers "Ajout Image" when it has none). An unusable title gets an empty CheminImage and the
// placeholder. A file that cannot be read as a picture counts as none; when the placeholder
// itself is missing or unreadable, `image` is left empty.
bool MontreImage(platform::forms::Picture& image, const QString& titre);

// Writes the picture of `image` to program folder + "\Images\" + titre + ".JPG" (onto the file of
// that title in whatever case it exists). Returns false, writing nothing, when `image` is empty
// or the title cannot name a file.
bool EnregistreImage(const platform::forms::Picture& image, const QString& titre);

// Removes "Images\" + titre + ".jpg" when it exists. Returns whether a file was removed.
bool SupprimeImage(const QString& titre);

}  // namespace base
