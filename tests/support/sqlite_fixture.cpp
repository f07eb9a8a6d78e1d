#include "sqlite_fixture.h"

#include <gtest/gtest.h>

#include <QFile>

namespace test_support {

FixtureConnection::FixtureConnection(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
    }
}

FixtureConnection::~FixtureConnection() {
    sqlite3_close_v2(db_);
}

void FixtureConnection::exec(const QString& sql) const {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        ADD_FAILURE() << sql.toStdString() << ": " << message;
        sqlite3_free(message);
    }
}

QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = sqlite3_column_text(statement, column);
    return text == nullptr ? QString() : QString::fromUtf8(reinterpret_cast<const char*>(text));
}

QString cuisineSchema() {
    QFile file(QStringLiteral(RECETTE_SCHEMA_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << RECETTE_SCHEMA_FILE;
    return QString::fromUtf8(file.readAll());
}

void makeRecipeBase(const QString& path, int recipes) {
    const FixtureConnection base(path);
    base.exec(cuisineSchema());
    base.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE "
                             "i < %1) INSERT INTO Cuisine SELECT i, 'DES', 'GÂTEAU ' || i, '', "
                             "'?', 'a', '?', 'x', 'y' FROM n;")
                  .arg(recipes));
}

}  // namespace test_support
