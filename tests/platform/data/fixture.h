// Small recipe bases built in a temporary folder with the raw SQLite API, independent of the
// code under test, and read back the same way.
#pragma once

#include <sqlite3.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "platform/core/error.h"

namespace fixture {

struct Recipe {
    long long numero;   // Numero
    QString categorie;  // Categorie
    QString titre;      // Titre
};

// A fresh temporary folder per test.
class Folder {
public:
    Folder();
    QString path(const QString& file) const;

private:
    QTemporaryDir dir_;  // removed with the fixture
};

// Creates `path` from the template's schema (table Cuisine and its indexes) holding `recipes`
// in that order (the other fields filled with short texts, Vin left null).
void makeBase(const QString& path, const std::vector<Recipe>& recipes);
// `count` recipes numbered 1..count, category "AGN", titles "RECETTE n".
void makeNumberedBase(const QString& path, int count);
// Drops every index of `path`: a base as those made before the template had indexes.
void dropIndexes(const QString& path);
// The names of the indexes of `path`, in the order they were made.
QStringList indexNames(const QString& path);
// Runs SQL on `path` through a connection of its own.
void exec(const QString& path, const QString& sql);
// The rows of Cuisine in rowid order, read through a connection of its own.
std::vector<Recipe> readBack(const QString& path);
// SQLite's typeof() of one field of the row of rowid `rowid`.
QString typeOf(const QString& path, const QString& field, long long rowid);

QByteArray fileBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Runs `statement` and returns the number of the platform error it raised (0 when none).
int errorNumber(const std::function<void()>& statement);

inline bool operator==(const Recipe& a, const Recipe& b) {
    return a.numero == b.numero && a.categorie == b.categorie && a.titre == b.titre;
}

}  // namespace fixture
