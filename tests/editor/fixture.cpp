#include "fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <ostream>

#include "editor/kov_general.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"
#include "sqlite_fixture.h"

namespace editor_test {

void PrintTo(const Fiche& f, std::ostream* os) {
    *os << f.numero << ' ' << f.categorie.toStdString() << " \"" << f.titre.toStdString() << "\" "
        << f.tempPrepa.toStdString() << " / " << f.tempCuisson.toStdString() << " / "
        << f.difficulte.toStdString() << " / " << f.vin.toStdString();
}

void EditorTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Images")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(RECETTE_DATA_DIR "/Images/PAS.jpg"),
                            path(QStringLiteral("Images/PAS.jpg"))));
    platform::files::setProgramFolder(dir_.path());
    platform::files::changeWorkingFolder(dir_.path());
    Donnees::reset();
}

void EditorTest::TearDown() {
    platform::files::setFaultHook({});
    act([] { platform::ignoreErrors([] { Donnees::Db.Close(); }); });
    platform::forms::Instances::reset();
    Donnees::reset();
}

void EditorTest::makeBase(const std::vector<Fiche>& fiches) const {
    const test_support::FixtureConnection base(basePath());
    base.exec(test_support::cuisineSchema());
    sqlite3_stmt* insert = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(base.handle(),
                                 "INSERT INTO Cuisine VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                                 -1, &insert, nullptr),
              SQLITE_OK);
    for (const Fiche& f : fiches) {
        sqlite3_bind_int64(insert, 1, f.numero);
        int column = 2;
        for (const QString* text : {&f.categorie, &f.titre, &f.tempPrepa, &f.tempCuisson,
                                    &f.difficulte, &f.vin, &f.ingrediant, &f.preparation}) {
            sqlite3_bind_text(insert, column++, text->toUtf8().constData(), -1, SQLITE_TRANSIENT);
        }
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
}

KovGeneral& EditorTest::openEditor(const QString& code, const QString& nom) {
    act([&] {
        ModFormZoomed::MesureEcran();
        Donnees::Db = platform::data::DBEngine::OpenDatabase(QStringLiteral("CUISINE.mdb"));
        Donnees::CodeCategorie = code;
        Donnees::NomCategorie = nom;
        platform::forms::Load<KovGeneral>();
    });
    return platform::forms::Instance<KovGeneral>();
}

std::vector<Fiche> EditorTest::readBack() const {
    const test_support::FixtureConnection base(basePath());
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(base.handle(), "SELECT * FROM Cuisine ORDER BY rowid", -1, &select, nullptr);
    std::vector<Fiche> fiches;
    while (sqlite3_step(select) == SQLITE_ROW) {
        using test_support::columnText;
        fiches.push_back({sqlite3_column_int64(select, 0), columnText(select, 1),
                          columnText(select, 2), columnText(select, 3), columnText(select, 4),
                          columnText(select, 5), columnText(select, 6), columnText(select, 7),
                          columnText(select, 8)});
    }
    sqlite3_finalize(select);
    return fiches;
}

void EditorTest::putPicture(const QString& relative, Qt::GlobalColor colour) const {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path(relative), "JPEG"));
}

QStringList EditorTest::pictures() const {
    QStringList names = QDir(path(QStringLiteral("Images"))).entryList(QDir::Files);
    names.sort();
    return names;
}

}  // namespace editor_test
