#include "platform/files/text_file.h"

#include "fixture.h"
#include "platform/files/cp1252.h"

using namespace platform;
using namespace platform::files;
using files_test::errorOf;

namespace {

TEST(Cp1252, characters_take_their_code_page_bytes) {
    const struct {
        const char16_t* text;
        const char* bytes;
    } cases[] = {
        {u"é", "\xE9"}, {u"œ", "\x9C"},       {u"Œ", "\x8C"}, {u"€", "\x80"},
        {u"’", "\x92"}, {u"…", "\x85"},       {u"ÿ", "\xFF"}, {u"A b", "A b"},
        {u"日", "?"},   {u"\U0001F600", "?"}, {u"ĉa", "?a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toCp1252(QString::fromUtf16(c.text)), QByteArray(c.bytes))
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(Cp1252, every_byte_reads_back_to_itself) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = fromCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9C], QChar(0x0153));
}

class TextFiles : public files_test::FolderTest {};

TEST_F(TextFiles, written_in_cp1252_with_cr_lf_and_read_back) {
    {
        TextFile file(QStringLiteral("Crème.txt"), OpenMode::Output);
        file.print({QStringLiteral("é œ €")});
        file.print({QStringLiteral("日本")});
        file.print({});
        file.close();
    }
    EXPECT_EQ(bytesOf(QStringLiteral("Crème.txt")), QByteArray("\xE9 \x9C \x80\r\n??\r\n\r\n"));
    TextFile file(QStringLiteral("CRÈME.TXT"), OpenMode::Input);
    EXPECT_EQ(file.readLine(), QStringLiteral("é œ €"));
    EXPECT_EQ(file.readLine(), QStringLiteral("??"));
    EXPECT_EQ(file.readLine(), QString());
    EXPECT_TRUE(file.atEnd());
    EXPECT_EQ(errorOf([&] { file.readLine(); }).number(), err::InputPastEnd);
}

TEST_F(TextFiles, tab_moves_to_its_column_or_to_the_next_line) {
    const QString nine(9, u' ');
    const struct {
        std::initializer_list<PrintItem> items;
        QString expected;
    } cases[] = {
        {{Tab{10}, QStringLiteral("x")}, nine + QStringLiteral("x\r\n")},
        {{QStringLiteral("123456789"), Tab{10}, QStringLiteral("x")},
         QStringLiteral("123456789x\r\n")},
        {{QStringLiteral("1234567890A"), Tab{10}, QStringLiteral("x")},
         QStringLiteral("1234567890A\r\n") + nine + QStringLiteral("x\r\n")},
        {{QStringLiteral("ab"), Tab{1}, QStringLiteral("c")}, QStringLiteral("ab\r\nc\r\n")},
        {{Tab{0}, QStringLiteral("x")}, QStringLiteral("x\r\n")},
        {{Tab{-5}, QStringLiteral("x")}, QStringLiteral("x\r\n")},
        {{Tab{10}, QStringLiteral("Temps de Préparation"), Tab{40}, QStringLiteral("20 MN")},
         nine + QStringLiteral("Temps de Préparation") + QString(10, u' ') +
             QStringLiteral("20 MN\r\n")},
        {{Tab{10}, QStringLiteral("Temps de Cuisson"), Tab{40}, QString()},
         nine + QStringLiteral("Temps de Cuisson") + QString(14, u' ') + QStringLiteral("\r\n")},
        {{QStringLiteral("ab\r\ncd"), Tab{5}, QStringLiteral("x")},
         QStringLiteral("ab\r\ncd  x\r\n")},
    };
    for (const auto& c : cases) {
        {
            TextFile file(QStringLiteral("tab.txt"), OpenMode::Output);
            file.print(c.items);
        }
        EXPECT_EQ(bytesOf(QStringLiteral("tab.txt")), toCp1252(c.expected))
            << c.expected.toStdString();
    }
}

TEST_F(TextFiles, append_adds_at_the_end_and_output_replaces) {
    put(QStringLiteral("TARTE.txt"), "avant\r\n");
    for (int i = 0; i < 2; ++i) {
        TextFile file(QStringLiteral("tarte.TXT"), OpenMode::Append);
        file.print({Tab{40}, QStringLiteral("Bon Appétit")});
    }
    const QByteArray last = QByteArray(39, ' ') + "Bon App\xE9tit\r\n";
    EXPECT_EQ(bytesOf(QStringLiteral("TARTE.txt")), "avant\r\n" + last + last);
    {
        TextFile file(QStringLiteral("Tarte.txt"), OpenMode::Output);
        file.print({QStringLiteral("court")});
    }
    EXPECT_EQ(bytesOf(QStringLiteral("TARTE.txt")), "court\r\n");
    {
        TextFile file(QStringLiteral("Nouveau.txt"), OpenMode::Append);
        file.print({QStringLiteral("premier")});
    }
    EXPECT_EQ(bytesOf(QStringLiteral("Nouveau.txt")), "premier\r\n");
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Nouveau.txt"), QStringLiteral("TARTE.txt")}));
}

TEST_F(TextFiles, lines_end_at_cr_lf_or_a_lone_lf_or_cr) {
    put(QStringLiteral("lignes.txt"), "a\r\nb\nc\rd\r\n\r\ne");
    TextFile file(QStringLiteral("lignes.txt"), OpenMode::Input);
    QStringList lines;
    while (!file.atEnd()) {
        lines << file.readLine();
    }
    EXPECT_EQ(lines, (QStringList{"a", "b", "c", "d", "", "e"}));
}

TEST_F(TextFiles, fields_as_the_manifest_is_read) {
    put(QStringLiteral("Lire.pie"),
        "Mkdir Orvale\\Recette\r\n"
        "   \"Recette, la vraie\"  ,suite\r\n"
        "Recette.exe               Orvale\\Recette\\Recette.exe\r\n"
        "a,b\r\n"
        "c\r\n"
        "[ICONE]\r\n");
    TextFile file(QStringLiteral("LIRE.PIE"), OpenMode::Input);
    QStringList fields;
    while (!file.atEnd()) {
        fields << file.readField();
    }
    EXPECT_EQ(fields, (QStringList{"Mkdir Orvale\\Recette", "Recette, la vraie", "suite",
                                   "Recette.exe               Orvale\\Recette\\Recette.exe", "a",
                                   "b", "c", "[ICONE]"}));
    EXPECT_EQ(errorOf([&] { file.readField(); }).number(), err::InputPastEnd);
}

TEST_F(TextFiles, read_all_gives_the_whole_content) {
    put(QStringLiteral("AGNEAU.txt"), "L'agneau\r\nse cuit ros\xE9.");
    TextFile file(QStringLiteral("Agneau.txt"), OpenMode::Input);
    EXPECT_EQ(file.readAll(), QStringLiteral("L'agneau\r\nse cuit rosé."));
    EXPECT_TRUE(file.atEnd());
}

TEST_F(TextFiles, a_missing_file_or_a_folder_cannot_be_read) {
    QDir().mkpath(path(QStringLiteral("Images")));
    EXPECT_EQ(errorOf([] { TextFile(QStringLiteral("absent.txt"), OpenMode::Input); }).number(),
              err::FileNotFound);
    EXPECT_EQ(errorOf([] { TextFile(QStringLiteral("images"), OpenMode::Input); }).number(),
              err::PathFileAccess);
    EXPECT_EQ(errorOf([] { TextFile(QStringLiteral("images"), OpenMode::Output); }).number(),
              err::PathFileAccess);
}

// Root ignores permission bits, so the unwritable folder is a path under a regular file.
TEST_F(TextFiles, a_folder_that_cannot_be_written_fails_at_opening_and_writes_nothing) {
    put(QStringLiteral("file.txt"), "keep");
    for (OpenMode mode : {OpenMode::Output, OpenMode::Append}) {
        const Error e = errorOf([&] {
            TextFile file(QStringLiteral("file.txt\\TARTE.txt"), mode);
            file.print({QStringLiteral("perdu")});
        });
        EXPECT_EQ(e.number(), err::PathNotFound);
        EXPECT_TRUE(e.description().contains(QStringLiteral("C:\\file.txt"))) << e.what();
    }
    EXPECT_EQ(bytesOf(QStringLiteral("file.txt")), "keep");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("file.txt")});
}

TEST_F(TextFiles, a_full_disk_is_reported_when_the_text_reaches_it) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    TextFile file(QStringLiteral("/dev/full"), OpenMode::Append);
    file.print({QStringLiteral("Bon Appétit")});
    const Error e = errorOf([&] { file.close(); });
    EXPECT_EQ(e.number(), err::DiskFull);
    EXPECT_TRUE(e.description().contains(QStringLiteral("plus de place"))) << e.what();
    EXPECT_FALSE(file.isOpen());
    EXPECT_NO_THROW(closeAllFiles()) << "a failed file is closed, not left to fail again";
}

TEST_F(TextFiles, a_refused_write_keeps_the_old_file) {
    put(QStringLiteral("Sauve.kov"), "09/12/2024\r\n");
    setFaultHook([](std::string_view op, const QString&) {
        if (op == "write") {
            throw Error(err::DiskFull, QStringLiteral("disque plein"));
        }
    });
    EXPECT_EQ(errorOf([] { TextFile(QStringLiteral("Sauve.kov"), OpenMode::Output); }).number(),
              err::DiskFull);
    EXPECT_EQ(bytesOf(QStringLiteral("Sauve.kov")), "09/12/2024\r\n");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Sauve.kov")});
}

TEST_F(TextFiles, close_all_writes_and_closes_every_open_file) {
    TextFile first(QStringLiteral("un.txt"), OpenMode::Output);
    TextFile second(QStringLiteral("deux.txt"), OpenMode::Append);
    first.print({QStringLiteral("1")});
    second.print({QStringLiteral("2")});
    closeAllFiles();
    EXPECT_EQ(bytesOf(QStringLiteral("un.txt")), "1\r\n");
    EXPECT_EQ(bytesOf(QStringLiteral("deux.txt")), "2\r\n");
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(errorOf([&] { first.print({QStringLiteral("après")}); }).number(), err::BadFileName);
    EXPECT_EQ(bytesOf(QStringLiteral("un.txt")), "1\r\n");
}

TEST_F(TextFiles, reading_and_writing_keep_to_their_mode) {
    put(QStringLiteral("lu.txt"), "x\r\n");
    TextFile input(QStringLiteral("lu.txt"), OpenMode::Input);
    EXPECT_EQ(errorOf([&] { input.print({QStringLiteral("y")}); }).number(), err::BadFileMode);
    TextFile output(QStringLiteral("ecrit.txt"), OpenMode::Output);
    EXPECT_EQ(errorOf([&] { output.readLine(); }).number(), err::BadFileMode);
    EXPECT_EQ(bytesOf(QStringLiteral("lu.txt")), "x\r\n");
}

}  // namespace
