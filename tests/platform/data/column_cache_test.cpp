// Walks whose columns are read at once from an index give exactly what one lookup per record
// gives, writes included: each case runs on a base with the template's indexes and on the same
// base without them, and the two traces must be equal.
#include <gtest/gtest.h>

#include <functional>

#include "fixture.h"
#include "platform/data/database.h"

using namespace platform;
using namespace platform::data;

namespace {

constexpr int kRecords = 40;  // well past the reads that make a walk

// Titles against stored order, so that an index hands them back in another order.
std::vector<fixture::Recipe> recipes() {
    const char* categories[] = {"AGN", "BOE", "AGN", "agn"};
    std::vector<fixture::Recipe> result;
    for (int i = 1; i <= kRecords; ++i) {
        result.push_back({i, categories[i % 4], QStringLiteral("T%1").arg(100 - i)});
    }
    return result;
}

// Numero and Titre of every record of the set, from the first one.
QStringList walk(Recordset& rs) {
    QStringList trace;
    if (rs.Eof() && rs.Bof()) {
        return trace;
    }
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        trace << rs.Fields("Numero").Value().toText() + u' ' + rs.Fields("Titre").Value().toText();
    }
    return trace;
}

struct Case {
    const char* name;
    // SQL run on the base before it is opened (a trigger, say); may be empty.
    const char* setUp;
    // Works on the open base and returns what it read.
    std::function<QStringList(Database&)> run;
};

const Case kCases[] = {
    {"the whole table", "",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine");
         return walk(rs);
     }},
    {"one category, and one that matches nothing", "",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine WHERE Categorie='AGN'");
         Recordset none = db.OpenRecordset("Select * from Cuisine WHERE Categorie='XXX'");
         return walk(rs) + walk(none);
     }},
    {"a title changed through the set in the middle of the walk", "",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine");
         QStringList trace;
         for (int i = 0; !rs.Eof(); ++i, rs.MoveNext()) {
             trace << rs.Fields("Titre").Value().toText();
             if (i == 20 || i == 30) {
                 rs.Edit();
                 rs("Titre") = QString::fromUtf8("CHANGÉ %1").arg(i);
                 rs.Update();
                 trace << rs.Fields("Titre").Value().toText();
             }
         }
         return trace + walk(rs);
     }},
    {"a record deleted and one added through the set", "",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine");
         QStringList trace;
         for (int i = 0; i < 25; ++i, rs.MoveNext()) {
             trace << rs.Fields("Titre").Value().toText();
         }
         rs.Delete();
         rs.AddNew();
         rs("Numero") = 99;
         rs("Titre") = "NOUVEAU";
         rs.Update();
         rs.MoveLast();
         rs.Delete();
         rs.AddNew();  // takes the rowid the deleted last record had
         rs("Titre") = "DERNIER";
         rs.Update();
         return trace + walk(rs);
     }},
    {"a title changed through another set of the base", "",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine");
         QStringList trace;
         for (int i = 0; i < 20; ++i, rs.MoveNext()) {
             trace << rs.Fields("Titre").Value().toText();
         }
         Recordset other = db.OpenRecordset("Select * from Cuisine WHERE Numero = 30");
         other.Edit();
         other("Titre") = "AUTRE";
         other.Update();
         other.Close();
         return trace + walk(rs);
     }},
    {"a trigger changing another record than the one written",
     "CREATE TRIGGER Voisin AFTER UPDATE OF Numero ON Cuisine BEGIN "
     "UPDATE Cuisine SET Titre = 'PAR TRIGGER' WHERE rowid = new.rowid + 10; END",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine");
         QStringList trace;
         for (int i = 0; !rs.Eof(); ++i, rs.MoveNext()) {
             trace << rs.Fields("Titre").Value().toText();
             rs.Edit();
             rs("Numero") = 1000 + i;
             rs.Update();
         }
         return trace + walk(rs);
     }},
    {"the first card deleted and the others renumbered", "",
     [](Database& db) {
         Recordset rs = db.OpenRecordset("Select * from Cuisine");
         rs.Delete();
         rs.MoveFirst();
         for (long i = 1; !rs.Eof(); ++i, rs.MoveNext()) {
             if (rs.Fields("Numero").Value().toLongLong() != i) {
                 rs.Edit();
                 rs("Numero") = i;
                 rs.Update();
             }
         }
         return walk(rs);
     }},
};

class ColumnCacheTest : public ::testing::TestWithParam<Case> {
protected:
    // Runs the case on a fresh base, with or without its indexes; also tells whether a column
    // was read at once.
    QStringList run(bool withIndexes, bool* readAtOnce) {
        const QString file = folder.path(withIndexes ? "INDEX.mdb" : "SANS.mdb");
        fixture::makeBase(file, recipes());
        if (!withIndexes) {
            fixture::dropIndexes(file);
        }
        if (*GetParam().setUp != '\0') {
            fixture::exec(file, GetParam().setUp);
        }
        const long before = readCounts().columnsAtOnce;
        Database db = DBEngine::OpenDatabase(file);
        QStringList trace = GetParam().run(db);
        db.Close();
        *readAtOnce = readCounts().columnsAtOnce > before;
        // What is stored afterwards counts as much as what was read.
        for (const fixture::Recipe& r : fixture::readBack(file)) {
            trace << QStringLiteral("stored %1 %2 %3").arg(r.numero).arg(r.categorie, r.titre);
        }
        return trace;
    }
    fixture::Folder folder;
};

TEST_P(ColumnCacheTest, gives_what_one_lookup_per_record_gives) {
    bool indexedAtOnce = false;
    bool plainAtOnce = false;
    const QStringList indexed = run(true, &indexedAtOnce);
    const QStringList plain = run(false, &plainAtOnce);
    EXPECT_TRUE(indexedAtOnce);
    EXPECT_FALSE(plainAtOnce);
    EXPECT_EQ(indexed, plain);
    EXPECT_GT(plain.size(), kRecords);
}

INSTANTIATE_TEST_SUITE_P(Walks, ColumnCacheTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return "case_" + std::to_string(info.index);
                         });

TEST(ColumnCache, a_few_reads_stay_lookups_and_a_walk_reads_the_column_once) {
    fixture::Folder folder;
    const QString file = folder.path("CUISINE.mdb");
    fixture::makeBase(file, recipes());
    Database db = DBEngine::OpenDatabase(file);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    const ReadCounts before = readCounts();
    for (int i = 0; i < 10; ++i, rs.MoveNext()) {
        rs.Fields("Titre").Value();
        rs.Fields("Titre").Value();  // the same record again is no step of a walk
    }
    EXPECT_EQ(readCounts().columnsAtOnce, before.columnsAtOnce);
    for (; !rs.Eof(); rs.MoveNext()) {
        rs.Fields("Titre").Value();
        rs.Fields("Preparation").Value();  // in no index: one lookup per record
    }
    EXPECT_EQ(readCounts().columnsAtOnce, before.columnsAtOnce + 1);
    // Titre: twice on each of the first 10 records, then on 5 more until the 16th record;
    // Preparation: on each of the 30 others.
    EXPECT_EQ(readCounts().lookups - before.lookups, 2 * 10 + 5 + (kRecords - 10));
    db.Close();
}

}  // namespace
