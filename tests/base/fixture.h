// A program folder in a temporary directory holding a small recipe base made with the raw SQLite
// API from the shipped schema, opened as Donnees::Db; and read-backs through a connection of
// their own, independent of the code under test.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QString>
#include <QTemporaryDir>
#include <ostream>
#include <vector>

namespace base_test {

struct Fiche {
    long long numero;   // Numero
    QString categorie;  // Categorie
    QString titre;      // Titre

    bool operator==(const Fiche&) const = default;
};
void PrintTo(const Fiche& f, std::ostream* os);

// Fiches numbered 1..count, category "AGN", titles "RECETTE n".
std::vector<Fiche> numerotees(int count);

class BaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates Cuisine.mdb holding `fiches` in that order and opens it as Donnees::Db. Updates
    // are logged by a trigger, so a test can tell which records were written.
    void makeBase(const std::vector<Fiche>& fiches);
    // Opens Donnees::Rs on `requete`, as the windows do.
    void open(const QString& requete);
    // The rows of Cuisine in stored order.
    std::vector<Fiche> readBack() const;
    // Titles of the records updated since the base was made, in the order written.
    std::vector<QString> written() const;
    void exec(const QString& sql) const;

    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QString basePath() const { return path(QStringLiteral("Cuisine.mdb")); }

    QTemporaryDir dir_;
};

}  // namespace base_test
