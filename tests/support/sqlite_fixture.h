// Fixture bases for the tests: a connection of the test's own to a file, and the recipe table as
// the template base defines it.
#pragma once

#include <sqlite3.h>

#include <QString>

namespace test_support {

// Opens (creating when missing) the SQLite file `path`; a statement that fails fails the test.
class FixtureConnection {
public:
    explicit FixtureConnection(const QString& path);
    ~FixtureConnection();
    FixtureConnection(const FixtureConnection&) = delete;
    FixtureConnection& operator=(const FixtureConnection&) = delete;

    void exec(const QString& sql) const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// The text of column `column` of the row `statement` is on (empty for null).
QString columnText(sqlite3_stmt* statement, int column);

// The schema the build turns into Base.kov: table Cuisine and its indexes.
QString cuisineSchema();

// A base file `path` holding `recipes` dessert cards (at least one).
void makeRecipeBase(const QString& path, int recipes);

}  // namespace test_support
