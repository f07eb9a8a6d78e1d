// Converting a base of the Windows version: every record exactly, into a base made from the
// template, the original kept beside untouched; and whatever fails or interrupts it, the base's
// name holds the original as it was or the whole new base, never anything else.
#include "management/conversion.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "base/recipe_table.h"
#include "error_number.h"
#include "jet_fixtures.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "shell/donnees.h"
#include "sqlite_fixture.h"

namespace files = platform::files;
using platform::Value;
using test_support::expectSameRows;
using test_support::jetFixtureBytes;
using test_support::Rows;

namespace {

const QString nomBase = QStringLiteral("CUISINE.mdb");

class Conversion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        files::setProgramFolder(folder.path());
        // The template as the build makes it, with an index more: the converted base must
        // come from the template, whatever it holds.
        const test_support::FixtureConnection modele(path(QStringLiteral("Base.kov")));
        modele.exec(test_support::cuisineSchema());
        modele.exec(QStringLiteral("CREATE INDEX ParCategorie ON Cuisine (Categorie)"));
    }
    void TearDown() override {
        files::setFaultHook({});
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        Donnees::reset();
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytesOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    // The nine fields of every row of Cuisine in rowid order, read with SQLite directly.
    Rows recipesIn(const QString& name) const {
        const test_support::FixtureConnection base(path(name));
        sqlite3_stmt* select = nullptr;
        const QByteArray sql = "SELECT " + test_support::recipeFields().join(u',').toUtf8() +
                               " FROM Cuisine ORDER BY rowid";
        EXPECT_EQ(sqlite3_prepare_v2(base.handle(), sql.constData(), -1, &select, nullptr),
                  SQLITE_OK);
        Rows rows;
        while (sqlite3_step(select) == SQLITE_ROW) {
            std::vector<Value> row;
            for (int c = 0; c < sqlite3_column_count(select); ++c) {
                switch (sqlite3_column_type(select, c)) {
                    case SQLITE_NULL:
                        row.emplace_back();
                        break;
                    case SQLITE_INTEGER:
                        row.emplace_back(static_cast<long long>(sqlite3_column_int64(select, c)));
                        break;
                    default:
                        row.emplace_back(test_support::columnText(select, c));
                }
            }
            rows.push_back(row);
        }
        sqlite3_finalize(select);
        return rows;
    }
    QStringList schemaOf(const QString& name) const {
        const test_support::FixtureConnection base(path(name));
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(base.handle(), "SELECT sql FROM sqlite_schema ORDER BY name", -1,
                           &select, nullptr);
        QStringList schema;
        while (sqlite3_step(select) == SQLITE_ROW) {
            schema << test_support::columnText(select, 0);
        }
        sqlite3_finalize(select);
        return schema;
    }
    // The base's name holds the original bytes, or the whole converted base; an original kept
    // aside is the original.
    void expectOriginalOrWhole(const QByteArray& original, const Rows& wanted) const {
        if (bytesOf(nomBase) != original) {
            expectSameRows(recipesIn(nomBase), wanted);
            EXPECT_EQ(bytesOf(QStringLiteral("CUISINE.mdb.jet")), original);
        }
        for (const QString& name : entries()) {
            if (name.endsWith(QStringLiteral(".jet"))) {
                EXPECT_EQ(bytesOf(name), original) << name.toStdString();
            }
        }
    }

    QTemporaryDir folder;
};

}  // namespace

TEST_F(Conversion, copies_every_record_exactly_into_a_base_made_from_the_template) {
    const struct {
        const char* jet;
        const char* values;
    } cases[] = {
        {"cuisine-jet4.mdb", "cuisine-expected.json"},
        {"cuisine-jet3.mdb", "cuisine-expected.json"},
        {"edge-jet4.mdb", "edge-jet4.json"},
        {"edge-jet3.mdb", "edge-jet3.json"},
        {"cuisine-jet4-empty.mdb", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        const QByteArray original = jetFixtureBytes(QString::fromUtf8(c.jet));
        put(nomBase, original);
        // Leftovers of an interrupted conversion are only copies.
        put(QStringLiteral("CUISINE.mdb.conversion"), "half made");
        put(QStringLiteral("CUISINE.mdb.conversion-journal"), "stale journal");
        ASSERT_TRUE(EstAncienneBase(nomBase));
        VerifierAncienneBase(nomBase);
        ASSERT_EQ(NomDeLOriginal(nomBase), QStringLiteral("CUISINE.mdb.jet"));

        ConvertirAncienneBase(nomBase, QStringLiteral("CUISINE.mdb.jet"));

        EXPECT_FALSE(EstAncienneBase(nomBase));
        expectSameRows(
            recipesIn(nomBase),
            c.values ? test_support::expectedJetRows(QString::fromUtf8(c.values)) : Rows{});
        EXPECT_EQ(schemaOf(nomBase), schemaOf(QStringLiteral("Base.kov")));
        EXPECT_EQ(bytesOf(QStringLiteral("CUISINE.mdb.jet")), original);
        EXPECT_EQ(entries(), QStringList({"Base.kov", "CUISINE.mdb", "CUISINE.mdb.jet"}));
        QFile::remove(path(nomBase));
        QFile::remove(path(QStringLiteral("CUISINE.mdb.jet")));
    }
}

TEST_F(Conversion, the_converted_base_is_read_by_the_rules_of_any_base) {
    put(nomBase, jetFixtureBytes(QStringLiteral("cuisine-jet4.mdb")));
    ConvertirAncienneBase(nomBase, NomDeLOriginal(nomBase));
    using namespace Donnees;
    Db = platform::data::DBEngine::OpenDatabase(nomBase);
    Rs = Db.OpenRecordset(QStringLiteral("Select * from Cuisine WHERE Categorie='DES'"));
    base::CompteRecettes();
    EXPECT_EQ(NbRecettes, 7) << "8 desserts";
    ASSERT_TRUE(base::TrouveTitre(QStringLiteral("Œufs à la neige « façon grand-mère »")));
    EXPECT_EQ(Rs.Fields(QStringLiteral("Vin")).Value(), Value());
    Rs.Close();
    Rs = Db.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    base::NumeroNouvelleRecette();
    EXPECT_EQ(NbRecettes, 42);
    Rs.Close();
}

TEST_F(Conversion, a_second_conversion_never_overwrites_an_earlier_original) {
    put(QStringLiteral("cuisine.MDB.JET"), "original of an earlier conversion");
    put(QStringLiteral("CUISINE.mdb.2.jet"), "and of another");
    put(nomBase, jetFixtureBytes(QStringLiteral("cuisine-jet3.mdb")));
    const QString original = NomDeLOriginal(nomBase);
    EXPECT_EQ(original, QStringLiteral("CUISINE.mdb.3.jet"));
    ConvertirAncienneBase(nomBase, original);
    EXPECT_EQ(bytesOf(QStringLiteral("cuisine.MDB.JET")), "original of an earlier conversion");
    EXPECT_EQ(bytesOf(QStringLiteral("CUISINE.mdb.2.jet")), "and of another");
    EXPECT_EQ(bytesOf(original), jetFixtureBytes(QStringLiteral("cuisine-jet3.mdb")));
}

TEST_F(Conversion, a_base_that_cannot_be_converted_is_refused_and_left_as_it_was) {
    const qint64 lastPage = 131072 - 4096;
    const struct {
        const char* what;
        QByteArray bytes;
        int error;
        const char* says;
    } cases[] = {
        {"no table Cuisine", jetFixtureBytes(QStringLiteral("nwind.mdb")),
         platform::err::TableNotFound, "Ce n'est pas une base de recettes"},
        {"a field missing", jetFixtureBytes(QStringLiteral("sans-vin-jet4.mdb")),
         platform::err::FieldNotFound, "Champ « Vin » introuvable"},
        {"a file cut short", jetFixtureBytes(QStringLiteral("cuisine-jet4.mdb"), 40000),
         platform::err::DatabaseDamaged, "endommagée"},
        // Only the reading of the memos finds this one.
        {"the last page lost", jetFixtureBytes(QStringLiteral("cuisine-jet4.mdb"), lastPage),
         platform::err::DatabaseDamaged, "endommagée"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        put(nomBase, c.bytes);
        int error = 0;
        try {
            VerifierAncienneBase(nomBase);
            ConvertirAncienneBase(nomBase, NomDeLOriginal(nomBase));
        } catch (const platform::Error& e) {
            error = e.number();
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.says)))
                << e.description().toStdString();
        }
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(bytesOf(nomBase), c.bytes);
        EXPECT_EQ(entries(), QStringList({"Base.kov", "CUISINE.mdb"}));
    }
}

TEST_F(Conversion, a_step_that_fails_leaves_the_original_as_it_was) {
    const QByteArray original = jetFixtureBytes(QStringLiteral("cuisine-jet4.mdb"));
    for (const char* step : {"copy", "commit", "link", "rename", "no template"}) {
        SCOPED_TRACE(step);
        put(nomBase, original);
        const QByteArray modele = bytesOf(QStringLiteral("Base.kov"));
        if (std::string_view(step) == "no template") {
            QFile::remove(path(QStringLiteral("Base.kov")));
        }
        files::setFaultHook([step](std::string_view operation, const QString& p) {
            if (operation == step) {
                throw platform::Error(platform::err::DiskFull,
                                      QStringLiteral("disque plein : ") + p);
            }
        });
        EXPECT_NE(test_support::errorNumber(
                      [] { ConvertirAncienneBase(nomBase, NomDeLOriginal(nomBase)); }),
                  0);
        files::setFaultHook({});
        put(QStringLiteral("Base.kov"), modele);
        EXPECT_EQ(bytesOf(nomBase), original);
        EXPECT_EQ(entries(), QStringList({"Base.kov", "CUISINE.mdb"}));
    }
}

TEST_F(Conversion, a_process_killed_during_the_conversion_leaves_the_original_or_the_whole_base) {
    const QByteArray original = jetFixtureBytes(QStringLiteral("cuisine-jet4.mdb"));
    const Rows wanted = test_support::expectedJetRows(QStringLiteral("cuisine-expected.json"));
    // Killed just before each change of the disk, then at moments spread over the conversion.
    struct Kill {
        const char* step;  // the change the process dies before, or null
        int afterMs;       // when the test kills it, for a null step
    };
    std::vector<Kill> kills;
    for (const char* step : {"copy", "commit", "link", "rename"}) {
        kills.push_back({step, 0});
    }
    for (int ms = 0; ms <= 120; ms += 15) {
        kills.push_back({nullptr, ms});
    }
    for (const Kill& kill : kills) {
        SCOPED_TRACE(kill.step ? kill.step : std::to_string(kill.afterMs) + " ms");
        put(nomBase, original);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            files::setFaultHook([&kill](std::string_view operation, const QString&) {
                if (kill.step != nullptr && operation == kill.step) {
                    _exit(9);
                }
            });
            platform::ignoreErrors([] { ConvertirAncienneBase(nomBase, NomDeLOriginal(nomBase)); });
            _exit(0);
        }
        if (kill.step == nullptr) {
            QThread::msleep(kill.afterMs);
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (kill.step != nullptr) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << "died at that step";
        }
        expectOriginalOrWhole(original, wanted);
        // Whatever was left, the next conversion goes through.
        if (bytesOf(nomBase) == original) {
            ConvertirAncienneBase(nomBase, NomDeLOriginal(nomBase));
            expectSameRows(recipesIn(nomBase), wanted);
        }
        for (const QString& name : entries()) {
            if (name != QStringLiteral("Base.kov")) {
                QFile::remove(path(name));
            }
        }
    }
}
