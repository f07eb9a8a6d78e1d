// The Jet files of the Windows version kept in tests/fixtures/jet, and the values they hold.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/core/value.h"

namespace test_support {

// The POSIX path of a file of tests/fixtures/jet.
QString jetFixture(const QString& file);

// The bytes of the fixture `file`, cut to `size` bytes when given.
QByteArray jetFixtureBytes(const QString& file, qint64 size = -1);

// The nine fields of a recipe, in the order of table Cuisine.
QStringList recipeFields();

using Rows = std::vector<std::vector<platform::Value>>;

// The rows a fixture holds, from the JSON that lists them: cuisine-expected.json, or the
// description an edge-*.mdb was written from. Null for null, a number, or a text.
Rows expectedJetRows(const QString& json);

// Compares rows field by field, each difference reported with its row and column.
void expectSameRows(const Rows& actual, const Rows& wanted);

}  // namespace test_support
