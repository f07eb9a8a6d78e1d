// Walking, counting, reading and writing a recordset as the windows do.
#include <gtest/gtest.h>

#include "fixture.h"
#include "platform/data/database.h"

using namespace platform;
using namespace platform::data;
using fixture::errorNumber;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void open(const std::vector<fixture::Recipe>& recipes) {
        fixture::makeBase(file, recipes);
        db = DBEngine::OpenDatabase(file);
    }
    void TearDown() override {
        if (db.isSet()) {
            db.Close();
        }
    }
    // The titles of the set from its first record, with one MoveNext per step.
    static QStringList titles(Recordset& rs) {
        QStringList result;
        if (rs.Eof()) {
            return result;
        }
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            result << rs.Fields("Titre").Value().toText();
        }
        return result;
    }

    fixture::Folder folder;
    QString file = folder.path("CUISINE.mdb");
    Database db;
};

const std::vector<fixture::Recipe> kFour = {
    {1, "AGN", "A"}, {2, "BOE", "B"}, {3, "AGN", "C"}, {4, "agn", "D"}};

TEST_F(RecordsetTest, accepts_the_select_texts_of_the_windows_in_any_letter_case) {
    open(kFour);
    const struct {
        const char* sql;     // text handed to OpenRecordset
        const char* titles;  // titles of the set, joined
    } cases[] = {
        {"Select * from Cuisine", "A,B,C,D"},
        {"SELECT * FROM cuisine", "A,B,C,D"},
        {"select  *  from  Cuisine ;", "A,B,C,D"},
        {"Select * from Cuisine WHERE Categorie='AGN'", "A,C"},  // exact: 'agn' is not 'AGN'
        {"select * from Cuisine where Categorie='BOE'", "B"},
        {"Select * from Cuisine WHERE Categorie='XXX'", ""},
        {"Select * from [Cuisine] WHERE Numero > 2", "C,D"},
    };
    for (const auto& c : cases) {
        Recordset rs = db.OpenRecordset(c.sql);
        EXPECT_EQ(titles(rs).join(u','), QString::fromUtf8(c.titles)) << c.sql;
        rs.Close();
    }
}

TEST_F(RecordsetTest, refuses_other_sql_with_a_clear_error) {
    open(kFour);
    const char* cases[] = {
        "Select Titre from Cuisine",
        "Delete from Cuisine",
        "Select * from Cuisine WHERE",
        "Select * from Cuisine ORDER BY Titre",
        "Select * from Cuisine WHERE Numero=1; DROP TABLE Cuisine",
        "Select * from Cuisine WHERE Numero=1); DROP TABLE Cuisine; --",
        "Select * from Cuisine WHERE NoSuchColumn = 1",
    };
    for (const char* sql : cases) {
        EXPECT_EQ(errorNumber([&] { db.OpenRecordset(sql); }), err::InvalidCall) << sql;
    }
    db.Close();
    EXPECT_EQ(fixture::readBack(file).size(), 4u);
}

TEST_F(RecordsetTest, a_missing_table_is_named_in_the_error) {
    open(kFour);
    try {
        db.OpenRecordset("Select * from Recettes");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::TableNotFound);
        EXPECT_TRUE(e.description().contains("Recettes")) << e.what();
    }
}

TEST_F(RecordsetTest, rows_come_in_stored_order_even_when_an_index_serves_the_condition) {
    // Titles inserted against their alphabetical order; an index on (Categorie, Titre) would
    // hand them back sorted if the order were left to the query planner.
    open({{1, "AGN", "ZUT"}, {2, "AGN", "MIL"}, {3, "AGN", "ABC"}});
    fixture::exec(file, "CREATE INDEX ByTitle ON Cuisine (Categorie, Titre)");
    Recordset rs = db.OpenRecordset("Select * from Cuisine WHERE Categorie='AGN'");
    EXPECT_EQ(titles(rs), QStringList({"ZUT", "MIL", "ABC"}));
}

TEST_F(RecordsetTest, stored_order_holds_after_appends_and_deletes) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveNext();
    rs.Delete();  // B
    rs.AddNew();
    rs("Numero") = 5;
    rs("Titre") = "E";
    rs.Update();
    rs.Close();
    rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveLast();
    rs.Delete();  // E, the last one
    rs.AddNew();
    rs("Titre") = "F";
    rs.Update();
    rs.AddNew();
    rs("Titre") = "G";
    rs.Update();
    EXPECT_EQ(titles(rs), QStringList({"A", "C", "D", "F", "G"}));
    rs.Close();
    db.Close();
    QStringList stored;
    for (const auto& r : fixture::readBack(file)) {
        stored << r.titre;
    }
    EXPECT_EQ(stored, QStringList({"A", "C", "D", "F", "G"}));
}

TEST_F(RecordsetTest, record_count_is_what_was_visited_and_exact_after_move_last) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.MoveNext();
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.MoveFirst();
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.Delete();
    EXPECT_EQ(rs.RecordCount(), 3);
    rs.AddNew();
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 4);
}

TEST_F(RecordsetTest, an_empty_set_has_no_current_record) {
    open({});
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(errorNumber([&] { rs.MoveLast(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.MoveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.MoveNext(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.Fields("Numero").Value(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.Edit(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.Delete(); }), err::NoCurrentRecord);

    // The first card of an empty base: added, then reachable.
    rs.AddNew();
    rs("Numero") = 1;
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.MoveLast();
    EXPECT_EQ(rs.Fields("Numero").Value(), Value(1LL));
}

TEST_F(RecordsetTest, moving_past_either_end_fails_once_there) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(errorNumber([&] { rs.Fields("Titre").Value(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.MoveNext(); }), err::NoCurrentRecord);
    rs.MovePrevious();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "D");
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(errorNumber([&] { rs.MovePrevious(); }), err::NoCurrentRecord);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "A");
}

TEST_F(RecordsetTest, a_deleted_record_is_gone_until_a_move_lands_on_its_follower) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveNext();
    rs.Delete();  // B
    EXPECT_EQ(errorNumber([&] { rs.Fields("Titre").Value(); }), err::RecordDeleted);
    EXPECT_EQ(errorNumber([&] { rs.Edit(); }), err::RecordDeleted);
    EXPECT_EQ(errorNumber([&] { rs.Delete(); }), err::RecordDeleted);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "C");
    rs.MoveLast();
    rs.Delete();  // D, the last one
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    rs.MoveLast();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "C");
    EXPECT_EQ(rs.RecordCount(), 2);
}

TEST_F(RecordsetTest, update_appends_without_moving_and_edit_changes_the_current_record) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine WHERE Categorie='BOE'");
    rs.AddNew();
    rs("Numero") = 5;
    rs("Categorie") = "BOE";
    rs("titre") = "TARTE";                                    // field names in any letter case
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "TARTE");  // the edit buffer
    rs.Update();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "B");  // position unchanged
    rs.Edit();
    rs("Vin") = "Bordeaux";
    rs.Update();
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "TARTE");
    EXPECT_EQ(rs.Fields("Numero").Value(), Value(5LL));
    rs.MovePrevious();
    EXPECT_EQ(rs.Fields("Vin").Value().toText(), "Bordeaux");
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "B");  // untouched by the edit
}

TEST_F(RecordsetTest, writing_without_an_edit_buffer_fails_and_writes_nothing) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), err::UpdateWithoutEdit);
    EXPECT_EQ(errorNumber([&] { rs("Titre") = "X"; }), err::UpdateWithoutEdit);
    rs.Edit();
    rs("Titre") = "X";
    rs.MoveNext();  // a move drops the edit
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), err::UpdateWithoutEdit);
    rs.Close();
    db.Close();
    EXPECT_EQ(fixture::readBack(file)[0].titre, "A");
}

TEST_F(RecordsetTest, unknown_fields_are_refused_and_null_fields_read_as_null) {
    open(kFour);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    EXPECT_EQ(errorNumber([&] { rs.Fields("Nom"); }), err::FieldNotFound);
    EXPECT_EQ(errorNumber([&] { rs("Nom"); }), err::FieldNotFound);
    EXPECT_TRUE(rs.Fields("Vin").Value().isNull());
    EXPECT_EQ(rs.Fields("Vin").Value().toText(), "");
    rs.AddNew();
    rs("Titre") = "SANS VIN";
    rs.Update();
    rs.MoveLast();
    EXPECT_TRUE(rs.Fields("Numero").Value().isNull());
    EXPECT_TRUE(rs.Fields("Ingrediant").Value().isNull());
}

TEST_F(RecordsetTest, texts_are_stored_as_text_and_whole_numbers_as_integers) {
    open({});
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.AddNew();
    rs("Numero") = 7;
    rs("Titre") = QString::fromUtf8("CRÈME BRÛLÉE");
    rs("Ingrediant") = "lait\r\nsucre\r\n";
    rs("TempPrepa") = "";
    rs("Vin") = "12";  // a text that looks like a number stays a text
    rs.Update();
    rs.Close();
    db.Close();
    const struct {
        const char* field;
        const char* type;
    } cases[] = {{"Numero", "integer"}, {"Titre", "text"}, {"Ingrediant", "text"},
                 {"TempPrepa", "text"}, {"Vin", "text"},   {"Preparation", "null"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fixture::typeOf(file, c.field, 1), c.type) << c.field;
    }
    db = DBEngine::OpenDatabase(file);
    rs = db.OpenRecordset("Select * from Cuisine");
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), QString::fromUtf8("CRÈME BRÛLÉE"));
    EXPECT_EQ(rs.Fields("Ingrediant").Value().toText(), "lait\r\nsucre\r\n");
    EXPECT_EQ(rs.Fields("TempPrepa").Value(), Value(""));
    EXPECT_EQ(rs.Fields("Vin").Value(), Value("12"));
}

TEST_F(RecordsetTest, handles_without_object_or_closed_raise_object_not_set) {
    open(kFour);
    Database none;
    Recordset nothing;
    EXPECT_FALSE(none.isSet());
    EXPECT_EQ(errorNumber([&] { none.Close(); }), err::ObjectNotSet);
    EXPECT_EQ(errorNumber([&] { none.OpenRecordset("Select * from Cuisine"); }), err::ObjectNotSet);
    EXPECT_EQ(errorNumber([&] { nothing.MoveFirst(); }), err::ObjectNotSet);
    EXPECT_EQ(errorNumber([&] { nothing.Close(); }), err::ObjectNotSet);

    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    Recordset copy = rs;  // copies share one recordset
    copy.MoveNext();
    EXPECT_EQ(rs.Fields("Titre").Value().toText(), "B");
    rs.Close();
    rs.Close();  // closing again does nothing
    EXPECT_EQ(errorNumber([&] { copy.MoveNext(); }), err::ObjectNotSet);

    Recordset open = db.OpenRecordset("Select * from Cuisine");
    db.Close();  // closes its recordsets too
    EXPECT_EQ(errorNumber([&] { open.Fields("Titre").Value(); }), err::ObjectNotSet);
    EXPECT_EQ(errorNumber([&] { db.OpenRecordset("Select * from Cuisine"); }), err::ObjectNotSet);
}

}  // namespace
