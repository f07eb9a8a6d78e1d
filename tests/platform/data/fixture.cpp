#include "fixture.h"

#include <gtest/gtest.h>

#include <QFile>

#include "sqlite_fixture.h"

namespace fixture {

namespace {

using Db = test_support::FixtureConnection;

}  // namespace

Folder::Folder() {
    EXPECT_TRUE(dir_.isValid());
}

QString Folder::path(const QString& file) const {
    return dir_.filePath(file);
}

void makeBase(const QString& path, const std::vector<Recipe>& recipes) {
    Db db(path);
    db.exec(test_support::cuisineSchema());
    db.exec(QStringLiteral("BEGIN"));
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db.handle(),
                       "INSERT INTO Cuisine (Numero, Categorie, Titre, TempPrepa, TempCuisson, "
                       "Difficulte, Ingrediant, Preparation) VALUES (?1, ?2, ?3, '10 MN', "
                       "'20 MN', 'aa', ?4, 'Cuire.\r\n')",
                       -1, &insert, nullptr);
    for (const Recipe& r : recipes) {
        const QByteArray categorie = r.categorie.toUtf8();
        const QByteArray titre = r.titre.toUtf8();
        const QByteArray ingredients = (r.titre + QStringLiteral(" : farine\r\nsel\r\n")).toUtf8();
        sqlite3_bind_int64(insert, 1, r.numero);
        sqlite3_bind_text(insert, 2, categorie.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, titre.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, ingredients.constData(), -1, SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    db.exec(QStringLiteral("COMMIT"));
}

void makeNumberedBase(const QString& path, int count) {
    std::vector<Recipe> recipes;
    recipes.reserve(count);
    for (int i = 1; i <= count; ++i) {
        recipes.push_back({i, QStringLiteral("AGN"), QStringLiteral("RECETTE %1").arg(i)});
    }
    makeBase(path, recipes);
}

QStringList indexNames(const QString& path) {
    Db db(path);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db.handle(),
                       "SELECT name FROM sqlite_schema WHERE type = 'index' ORDER BY rowid", -1, &s,
                       nullptr);
    QStringList names;
    while (sqlite3_step(s) == SQLITE_ROW) {
        names << test_support::columnText(s, 0);
    }
    sqlite3_finalize(s);
    return names;
}

void dropIndexes(const QString& path) {
    for (const QString& name : indexNames(path)) {
        exec(path, QStringLiteral("DROP INDEX \"%1\"").arg(name));
    }
}

void exec(const QString& path, const QString& sql) {
    Db(path).exec(sql);
}

std::vector<Recipe> readBack(const QString& path) {
    Db db(path);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db.handle(), "SELECT Numero, Categorie, Titre FROM Cuisine ORDER BY rowid",
                       -1, &s, nullptr);
    std::vector<Recipe> rows;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        rows.push_back({sqlite3_column_int64(s, 0), test_support::columnText(s, 1),
                        test_support::columnText(s, 2)});
    }
    EXPECT_EQ(rc, SQLITE_DONE) << sqlite3_errmsg(db.handle());
    sqlite3_finalize(s);
    return rows;
}

QString typeOf(const QString& path, const QString& field, long long rowid) {
    Db db(path);
    sqlite3_stmt* s = nullptr;
    const QByteArray sql =
        QStringLiteral("SELECT typeof(%1) FROM Cuisine WHERE rowid = ?1").arg(field).toUtf8();
    sqlite3_prepare_v2(db.handle(), sql.constData(), -1, &s, nullptr);
    sqlite3_bind_int64(s, 1, rowid);
    const QString type =
        sqlite3_step(s) == SQLITE_ROW ? test_support::columnText(s, 0) : QStringLiteral("missing");
    sqlite3_finalize(s);
    return type;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int errorNumber(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const platform::Error& e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
    return 0;
}

}  // namespace fixture
