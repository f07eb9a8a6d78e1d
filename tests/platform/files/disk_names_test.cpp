#include "platform/files/disk_names.h"

#include <fcntl.h>
#include <unistd.h>

#include "fixture.h"
#include "platform/files/listing.h"
#include "platform/files/operations.h"

using namespace platform;
using namespace platform::files;

namespace {

TEST(DiskNames, a_name_that_is_not_utf8_reads_as_cp1252) {
    const struct {
        QByteArray bytes;
        const char16_t* text;
    } cases[] = {
        {"CUISINE.MDB", u"CUISINE.MDB"},       {"CR\xC3\x88ME.mdb", u"CRÈME.mdb"},  // UTF-8
        {"CR\xC8ME.mdb", u"CRÈME.mdb"},                                             // Latin-1
        {"\x80 \x9C\xE9.txt", u"€ œé.txt"},     // cp1252's own characters
        {"\xC3\x88 et \xC8", u"Ã\u02C6 et È"},  // mixed: not UTF-8 as a whole
        {"\x81\x8D", u"\u0081\u008D"},          // undefined in cp1252, kept as controls
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeName(c.bytes), QString::fromUtf16(c.text)) << c.bytes.toHex().constData();
    }
}

class LatinName : public files_test::FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        putBytes("CR\xC8ME.mdb", "latin");
        putBytes("Images/P\xC2T\xC9.jpg", "picture");
        put(QStringLiteral("NOEL.MDB"), "utf8");
    }
    void putBytes(const QByteArray& relative, const QByteArray& content) const {
        const QByteArray file = QFile::encodeName(dir_.path()) + '/' + relative;
        QDir().mkpath(QFileInfo(QFile::decodeName(file)).path());
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, content.constData(), content.size()), content.size());
        ::close(fd);
    }
    bool hasBytes(const QByteArray& relative) const {
        return ::access((QFile::encodeName(dir_.path()) + '/' + relative).constData(), F_OK) == 0;
    }
};

TEST_F(LatinName, is_listed_found_in_any_case_and_reached_by_its_real_bytes) {
    EXPECT_EQ(listFiles(QString(), QStringLiteral("*.mdb")),
              (QStringList{QStringLiteral("CRÈME.mdb"), QStringLiteral("NOEL.MDB")}));
    EXPECT_TRUE(exists(QStringLiteral("crème.MDB")));
    EXPECT_TRUE(exists(QStringLiteral("Images\\pâté.JPG")));
    EXPECT_EQ(fileLength(QStringLiteral("CRÈME.mdb")), 5);

    copyFile(QStringLiteral("NOEL.MDB"), QStringLiteral("CRÈME.mdb"));
    EXPECT_TRUE(hasBytes("CR\xC8ME.mdb"));
    EXPECT_FALSE(hasBytes("CR\xC3\x88ME.mdb")) << "the existing file is replaced, not doubled";
    EXPECT_EQ(fileLength(QStringLiteral("CRÈME.mdb")), 4);

    removeFile(QStringLiteral("CRÈME.mdb"));
    EXPECT_FALSE(hasBytes("CR\xC8ME.mdb"));
    EXPECT_EQ(listFiles(QString(), QStringLiteral("*.mdb")),
              QStringList{QStringLiteral("NOEL.MDB")});
}

TEST_F(LatinName, a_new_name_is_written_in_utf8) {
    copyFile(QStringLiteral("NOEL.MDB"), QStringLiteral("Été.mdb"));
    EXPECT_TRUE(hasBytes("\xC3\x89t\xC3\xA9.mdb"));
    EXPECT_EQ(nativePath(path(QStringLiteral("Images/Nouveau dossier/Été.jpg"))),
              QFile::encodeName(path(QStringLiteral("Images/Nouveau dossier/Été.jpg"))));
}

}  // namespace
