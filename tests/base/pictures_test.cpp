#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "base/pictures.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/forms/form.h"
#include "platform/forms/picture.h"
#include "shell/donnees.h"

namespace {

class PicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        Donnees::reset();
        platform::files::setProgramFolder(dir_.path());
        platform::files::changeWorkingFolder(dir_.path());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Images/SOUS")));
        put(QStringLiteral("Images/PAS.jpg"), Qt::gray);
        platform::files::setFaultHook([this](std::string_view operation, const QString& path) {
            changes_ << QString::fromUtf8(operation.data(), operation.size()) + u' ' + path;
        });
    }
    void TearDown() override {
        platform::files::setFaultHook({});
        Donnees::reset();
    }

    // A small JPEG of one colour at `relative` in the program folder.
    void put(const QString& relative, Qt::GlobalColor colour) const {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(dir_.filePath(relative), "JPEG"));
    }
    QStringList images() const {
        QStringList names = QDir(dir_.filePath(QStringLiteral("Images"))).entryList(QDir::Files);
        names.sort();
        return names;
    }
    // Whether `image` is mostly red, as the pictures the tests save are.
    static bool rouge(const QImage& image) {
        const QColor c = image.pixelColor(4, 4);
        return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    }

    QTemporaryDir dir_;
    QStringList changes_;  // disk changes seen by the fault seam
    platform::forms::Form form_{QStringLiteral("KovGeneral")};
    platform::forms::Picture Image1{form_, QStringLiteral("Image1")};
};

TEST_F(PicturesTest, a_picture_saved_for_the_typed_title_is_found_for_the_stored_one) {
    QImage rouge8(8, 8, QImage::Format_RGB32);
    rouge8.fill(Qt::red);
    Image1.setImage(rouge8, QStringLiteral("choisie"));
    ASSERT_TRUE(base::EnregistreImage(Image1, QStringLiteral("Soupe")));
    EXPECT_EQ(images(), (QStringList{"PAS.jpg", "Soupe.JPG"}));

    Image1.Clear();
    EXPECT_TRUE(base::MontreImage(Image1, QStringLiteral("SOUPE")));
    EXPECT_TRUE(rouge(Image1.image()));
    EXPECT_EQ(Donnees::CheminImage, dir_.path() + QStringLiteral("\\Images\\SOUPE.jpg"));
}

TEST_F(PicturesTest, saving_again_in_another_case_replaces_the_one_file) {
    put(QStringLiteral("Images/soupe.jpg"), Qt::blue);
    QImage rouge8(8, 8, QImage::Format_RGB32);
    rouge8.fill(Qt::red);
    Image1.setImage(rouge8, QStringLiteral("choisie"));
    ASSERT_TRUE(base::EnregistreImage(Image1, QStringLiteral("SOUPE")));
    EXPECT_EQ(images(), (QStringList{"PAS.jpg", "soupe.jpg"}));
    QImage relue(dir_.filePath(QStringLiteral("Images/soupe.jpg")));
    EXPECT_TRUE(rouge(relue));
}

TEST_F(PicturesTest, a_card_without_picture_shows_the_placeholder) {
    EXPECT_FALSE(base::MontreImage(Image1, QStringLiteral("GIGOT")));
    EXPECT_EQ(Image1.fileName(), QStringLiteral("Images\\PAS.jpg"));
    EXPECT_FALSE(Image1.isEmpty());
}

TEST_F(PicturesTest, a_damaged_picture_or_placeholder_never_stops_the_display) {
    QFile abime(dir_.filePath(QStringLiteral("Images/GIGOT.jpg")));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly));
    abime.write("pas une image");
    abime.close();
    EXPECT_FALSE(base::MontreImage(Image1, QStringLiteral("GIGOT")));
    EXPECT_EQ(Image1.fileName(), QStringLiteral("Images\\PAS.jpg"));

    ASSERT_TRUE(QFile::remove(dir_.filePath(QStringLiteral("Images/PAS.jpg"))));
    EXPECT_FALSE(base::MontreImage(Image1, QStringLiteral("GIGOT")));
    EXPECT_TRUE(Image1.isEmpty()) << "no placeholder: no picture, and no stale one either";
    put(QStringLiteral("Images/GIGOT.jpg"), Qt::red);
    EXPECT_TRUE(base::MontreImage(Image1, QStringLiteral("GIGOT")));
    EXPECT_TRUE(rouge(Image1.image()));
}

TEST_F(PicturesTest, an_empty_picture_writes_nothing) {
    EXPECT_FALSE(base::EnregistreImage(Image1, QStringLiteral("GIGOT")));
    EXPECT_TRUE(changes_.isEmpty());
}

TEST_F(PicturesTest, deleting_removes_the_picture_in_any_case_and_only_that_one) {
    put(QStringLiteral("Images/Tarte.JPG"), Qt::red);
    put(QStringLiteral("Images/TARTES.jpg"), Qt::red);
    EXPECT_TRUE(base::SupprimeImage(QStringLiteral("TARTE")));
    EXPECT_EQ(images(), (QStringList{"PAS.jpg", "TARTES.jpg"}));
    EXPECT_FALSE(base::SupprimeImage(QStringLiteral("TARTE")));
}

TEST_F(PicturesTest, a_title_that_cannot_name_a_file_never_reaches_the_file_system) {
    // Files that a title slipping through would reach.
    put(QStringLiteral("GIGOT.jpg"), Qt::red);
    put(QStringLiteral("Images/SOUS/GIGOT.jpg"), Qt::red);
    put(QStringLiteral("Images/A.jpg"), Qt::red);
    put(QStringLiteral("Images/AB.jpg"), Qt::red);
    const QStringList avant = images();
    QImage rouge8(8, 8, QImage::Format_RGB32);
    rouge8.fill(Qt::red);

    const char* titres[] = {"../GIGOT", "..", ".",   "SOUS/GIGOT", "SOUS\\GIGOT", "A*",  "A?",
                            "C:GIGOT",  "",   "A|B", "A<B>",       "\"A\"",       "A\tB"};
    for (const char* t : titres) {
        const QString titre = QString::fromUtf8(t);
        SCOPED_TRACE(t);
        EXPECT_FALSE(base::TitreNommeImage(titre));
        Image1.setImage(rouge8, QStringLiteral("choisie"));
        EXPECT_FALSE(base::MontreImage(Image1, titre));
        EXPECT_EQ(Image1.fileName(), QStringLiteral("Images\\PAS.jpg"));
        EXPECT_TRUE(Donnees::CheminImage.isEmpty());
        Image1.setImage(rouge8, QStringLiteral("choisie"));
        EXPECT_FALSE(base::EnregistreImage(Image1, titre));
        EXPECT_FALSE(base::SupprimeImage(titre));
    }
    EXPECT_TRUE(changes_.isEmpty()) << changes_.join(u'\n').toStdString();
    EXPECT_EQ(images(), avant);
    EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("GIGOT.jpg"))));
    EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("Images/SOUS/GIGOT.jpg"))));
}

TEST_F(PicturesTest, titles_with_dots_spaces_and_accents_name_pictures) {
    for (const char* t : {"A..B", "TARTE ", "CRÈME BRÛLÉE", "HORS D'OEUVRE", "1.5 KG"}) {
        EXPECT_TRUE(base::TitreNommeImage(QString::fromUtf8(t))) << t;
    }
}

}  // namespace
