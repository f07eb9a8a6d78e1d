#include "fixture.h"

#include <QFile>

#include "platform/data/database.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "shell/donnees.h"
#include "sqlite_fixture.h"

namespace base_test {

namespace {

using Connexion = test_support::FixtureConnection;

}  // namespace

std::vector<Fiche> numerotees(int count) {
    std::vector<Fiche> fiches;
    for (int i = 1; i <= count; ++i) {
        fiches.push_back({i, QStringLiteral("AGN"), QStringLiteral("RECETTE %1").arg(i)});
    }
    return fiches;
}

void BaseTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    Donnees::reset();
    platform::files::setProgramFolder(dir_.path());
    platform::files::changeWorkingFolder(dir_.path());
}

void BaseTest::TearDown() {
    platform::files::setFaultHook({});
    if (Donnees::Rs.isSet()) {
        Donnees::Rs.Close();
    }
    if (Donnees::Db.isSet()) {
        Donnees::Db.Close();
    }
    Donnees::reset();
}

void BaseTest::makeBase(const std::vector<Fiche>& fiches) {
    {
        Connexion c(basePath());
        c.exec(test_support::cuisineSchema());
        c.exec(QStringLiteral("CREATE TABLE Ecrits (Titre TEXT)"));
        c.exec(
            QStringLiteral("CREATE TRIGGER Ecrit AFTER UPDATE ON Cuisine BEGIN "
                           "INSERT INTO Ecrits VALUES (old.Titre); END"));
        c.exec(QStringLiteral("BEGIN"));
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(c.handle(),
                           "INSERT INTO Cuisine (Numero, Categorie, Titre, TempPrepa, TempCuisson, "
                           "Difficulte, Vin, Ingrediant, Preparation) VALUES (?1, ?2, ?3, '10 MN', "
                           "'20 MN', 'aa', '?', 'farine\r\nsel\r\n', 'Cuire.\r\n')",
                           -1, &insert, nullptr);
        for (const Fiche& f : fiches) {
            const QByteArray categorie = f.categorie.toUtf8();
            const QByteArray titre = f.titre.toUtf8();
            sqlite3_bind_int64(insert, 1, f.numero);
            sqlite3_bind_text(insert, 2, categorie.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, titre.constData(), -1, SQLITE_TRANSIENT);
            EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        c.exec(QStringLiteral("COMMIT"));
    }
    Donnees::Db = platform::data::DBEngine::OpenDatabase(basePath());
}

void BaseTest::open(const QString& requete) {
    Donnees::Requete = requete;
    Donnees::Rs = Donnees::Db.OpenRecordset(Donnees::Requete);
}

std::vector<Fiche> BaseTest::readBack() const {
    Connexion c(basePath());
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(c.handle(), "SELECT Numero, Categorie, Titre FROM Cuisine ORDER BY rowid",
                       -1, &s, nullptr);
    std::vector<Fiche> rows;
    while (sqlite3_step(s) == SQLITE_ROW) {
        rows.push_back({sqlite3_column_int64(s, 0), test_support::columnText(s, 1),
                        test_support::columnText(s, 2)});
    }
    sqlite3_finalize(s);
    return rows;
}

std::vector<QString> BaseTest::written() const {
    Connexion c(basePath());
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(c.handle(), "SELECT Titre FROM Ecrits ORDER BY rowid", -1, &s, nullptr);
    std::vector<QString> titres;
    while (sqlite3_step(s) == SQLITE_ROW) {
        titres.push_back(test_support::columnText(s, 0));
    }
    sqlite3_finalize(s);
    return titres;
}

void BaseTest::exec(const QString& sql) const {
    Connexion(basePath()).exec(sql);
}

void PrintTo(const Fiche& f, std::ostream* os) {
    *os << "{" << f.numero << ", " << f.categorie.toStdString() << ", " << f.titre.toStdString()
        << "}";
}
}  // namespace base_test
