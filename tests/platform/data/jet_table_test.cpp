// Reading a table of a Jet file: every value exactly as stored, whatever the version and the
// environment; and a file that is not a sound Jet table is refused, never read short.
#include "platform/data/jet_table.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>

#include "error_number.h"
#include "jet_fixtures.h"
#include "platform/files/names.h"

using platform::Value;
using platform::data::isJetFile;
using platform::data::JetTable;
using test_support::errorNumber;

namespace {

using test_support::expectSameRows;
using Rows = test_support::Rows;

Rows expectedRows(const QString& json = QStringLiteral("cuisine-expected.json")) {
    return test_support::expectedJetRows(json);
}

QStringList expectedColumns() {
    return test_support::recipeFields();
}

Rows readAll(const QString& name, const QString& table, const QStringList& columns) {
    JetTable jet(name, table, columns);
    Rows rows;
    std::vector<Value> row;
    while (jet.next(row)) {
        rows.push_back(row);
    }
    return rows;
}

class JetTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        platform::files::setProgramFolder(dir.path());
    }
    // A writable copy of a fixture in the test's folder, cut to `size` bytes when given.
    QString copy(const QString& fixture, qint64 size = -1) const {
        return write(fixture, test_support::jetFixtureBytes(fixture, size));
    }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile target(dir.filePath(name));
        EXPECT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(bytes);
        return name;
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(JetTableTest, reads_every_field_of_both_versions_exactly_whatever_the_environment) {
    const struct {
        const char* file;
        const char* values;         // the JSON that holds the values expected
        const char* targetCharset;  // the library's own encoding variables, set by the user
        const char* jet3Charset;
    } cases[] = {
        {"cuisine-jet4.mdb", "cuisine-expected.json", nullptr, nullptr},
        {"cuisine-jet3.mdb", "cuisine-expected.json", nullptr, nullptr},
        {"cuisine-jet4.mdb", "cuisine-expected.json", "ISO-8859-1", "CP437"},
        {"cuisine-jet3.mdb", "cuisine-expected.json", "ISO-8859-1", "CP437"},
        {"edge-jet4.mdb", "edge-jet4.json", nullptr, nullptr},
        {"edge-jet3.mdb", "edge-jet3.json", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + (c.targetCharset ? c.targetCharset : "-"));
        if (c.targetCharset != nullptr) {
            qputenv("MDBICONV", c.targetCharset);
            qputenv("MDB_JET3_CHARSET", c.jet3Charset);
        }
        const QString name = copy(QString::fromUtf8(c.file));
        // Names of tables and fields are matched without regard to letter case, as Jet does.
        QStringList columns = expectedColumns();
        columns[2] = columns[2].toUpper();
        expectSameRows(readAll(name, QStringLiteral("CUISINE"), columns),
                       expectedRows(QString::fromUtf8(c.values)));
        qunsetenv("MDBICONV");
        qunsetenv("MDB_JET3_CHARSET");
    }
}

TEST_F(JetTableTest, reads_an_empty_table_and_a_file_written_by_access) {
    const QString empty = copy(QStringLiteral("cuisine-jet4-empty.mdb"));
    EXPECT_TRUE(readAll(empty, QStringLiteral("Cuisine"), expectedColumns()).empty());

    const QString access = copy(QStringLiteral("DateTestDatabase.mdb"));
    const auto rows =
        readAll(access, QStringLiteral("DateTest"), {"IDCol", "LongTextCol", "ShortTextCol"});
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<Value>{1LL, "Hello", "Hello"}));
    EXPECT_EQ(rows[1], (std::vector<Value>{2LL, "Year 9999", "Year 1999"}));
}

TEST_F(JetTableTest, refuses_a_file_or_a_table_it_cannot_read) {
    const QString sqlite = write(QStringLiteral("sqlite.mdb"),
                                 QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0'));
    const QString zeros = write(QStringLiteral("zeros.mdb"), QByteArray(8192, '\0'));
    QByteArray later = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x02", 21);
    const QString access2007 = write(QStringLiteral("ace.mdb"), later + QByteArray(4075, '\0'));
    const QString nwind = copy(QStringLiteral("nwind.mdb"));
    const QString cut = copy(QStringLiteral("cuisine-jet4.mdb"), 4096 * 10 + 100);
    const QString jet3 = copy(QStringLiteral("cuisine-jet3.mdb"));
    const QString access = copy(QStringLiteral("DateTestDatabase.mdb"));
    const QStringList numero{"Numero"};

    EXPECT_FALSE(isJetFile(platform::files::resolve(sqlite)));
    EXPECT_FALSE(isJetFile(platform::files::resolve(zeros)));
    EXPECT_TRUE(isJetFile(platform::files::resolve(nwind)));
    const struct {
        const char* what;
        std::function<void()> read;
        int error;
    } cases[] = {
        {"an SQLite base", [&] { JetTable(sqlite, "Cuisine", numero); },
         platform::err::UnrecognizedDatabase},
        {"an all-zero file", [&] { JetTable(zeros, "Cuisine", numero); },
         platform::err::UnrecognizedDatabase},
        {"a missing file", [&] { JetTable("ABSENT.mdb", "Cuisine", numero); },
         platform::err::UnrecognizedDatabase},
        {"an Access 2007 file", [&] { JetTable(access2007, "Cuisine", numero); },
         platform::err::UnrecognizedDatabase},
        {"a file cut inside a page", [&] { JetTable(cut, "Cuisine", numero); },
         platform::err::DatabaseDamaged},
        {"no such table", [&] { JetTable(nwind, "Cuisine", numero); },
         platform::err::TableNotFound},
        {"no such field",
         [&] {
             JetTable(jet3, "Cuisine", {"Numero", "Vins"});
         },
         platform::err::FieldNotFound},
        // A date is not among the kinds of value this reader gives.
        {"a date field",
         [&] {
             JetTable(access, "DateTest", {"IDCol", "DateCol"});
         },
         platform::err::TypeMismatch},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorNumber(c.read), c.error) << c.what;
    }
    {
        JetTable dropped(jet3, QStringLiteral("Cuisine"), expectedColumns());
        std::vector<Value> row;
        EXPECT_TRUE(dropped.next(row));
    }
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "every helper process ended and was reaped";
}

// Cut at every page, or with one page wiped out (a bad sector): the table is
// either read whole and exact, or refused.
TEST_F(JetTableTest, a_truncated_or_damaged_file_is_never_read_short) {
    const auto wanted = expectedRows();
    const struct {
        const char* file;
        qint64 pageSize;
    } versions[] = {{"cuisine-jet4.mdb", 4096}, {"cuisine-jet3.mdb", 2048}};
    for (const auto& version : versions) {
        const QString fixture = QString::fromUtf8(version.file);
        const qint64 pageSize = version.pageSize;
        const qint64 size = QFile(test_support::jetFixture(fixture)).size();
        std::vector<std::pair<QString, std::function<QString()>>> damages;
        for (qint64 cut = 0; cut < size; cut += pageSize) {
            damages.emplace_back(QStringLiteral("%1 cut at %2").arg(fixture).arg(cut),
                                 [=, this] { return copy(fixture, cut); });
        }
        for (qint64 page = 1; page < size / pageSize; ++page) {
            damages.emplace_back(QStringLiteral("%1 page %2 wiped").arg(fixture).arg(page),
                                 [=, this] {
                                     const QString name = copy(fixture);
                                     QFile file(dir.filePath(name));
                                     EXPECT_TRUE(file.open(QIODevice::ReadWrite));
                                     file.seek(page * pageSize);
                                     file.write(QByteArray(pageSize, '\0'));
                                     return name;
                                 });
        }
        for (const auto& [what, damage] : damages) {
            SCOPED_TRACE(what.toStdString());
            const QString name = damage();
            Rows rows;
            const int error = errorNumber(
                [&] { rows = readAll(name, QStringLiteral("Cuisine"), expectedColumns()); });
            if (error == 0) {
                expectSameRows(rows, wanted);
            } else {
                EXPECT_TRUE(error == platform::err::DatabaseDamaged ||
                            error == platform::err::TableNotFound ||
                            error == platform::err::UnrecognizedDatabase)
                    << error;
            }
        }
    }
}
