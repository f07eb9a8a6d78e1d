#include "platform/files/operations.h"

#include <sys/stat.h>

#include <string>
#include <vector>

#include "fixture.h"
#include "platform/files/listing.h"

using namespace platform;
using namespace platform::files;
using files_test::errorOf;

namespace {

class Operations : public files_test::FolderTest {};

TEST_F(Operations, existence_by_name_or_pattern_ignores_case_and_wants_a_regular_file) {
    put(QStringLiteral("base.mdb"), "x");
    put(QStringLiteral("Alpha.MDB"), "x");
    put(QStringLiteral("images/Soupe.JPG"), "x");
    QDir().mkpath(path(QStringLiteral("dossier.mdb")));
    const struct {
        const char* name;
        bool expected;
    } cases[] = {
        {"BASE.MDB", true},
        {"*.mdb", true},
        {"B?SE.mdb", true},
        {"C:\\*.Mdb", true},
        {"C:base.mdb", true},
        {"images\\*.jpg", true},
        {"IMAGES\\soupe.jpg", true},
        {"*.xyz", false},
        {"absent.mdb", false},
        {"images", false},
        {"dossier.mdb", false},
        {"vide\\*.*", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exists(QString::fromUtf8(c.name)), c.expected) << c.name;
    }
}

TEST_F(Operations, first_match_gives_the_real_name_in_list_order) {
    put(QStringLiteral("base.mdb"), "x");
    put(QStringLiteral("Alpha.MDB"), "x");
    EXPECT_EQ(firstMatch(QStringLiteral("*.mdb")), QStringLiteral("Alpha.MDB"));
    EXPECT_EQ(firstMatch(QStringLiteral("B*")), QStringLiteral("base.mdb"));
    EXPECT_EQ(firstMatch(QStringLiteral("*.txt")), QString());
}

TEST_F(Operations, copy_replaces_the_destination_whole_and_leaves_no_temporary_file) {
    put(QStringLiteral("Recettes.mdb"), "new");
    put(QStringLiteral("save/recettes.MDB"), "old content, longer than the new one");
    copyFile(QStringLiteral("recettes.mdb"), QStringLiteral("C:\\SAVE\\Recettes.mdb"));
    EXPECT_EQ(bytesOf(QStringLiteral("save/recettes.MDB")), "new");
    EXPECT_EQ(entries(QStringLiteral("save")), QStringList{QStringLiteral("recettes.MDB")})
        << "the existing name is replaced, not doubled by another spelling";
}

// Big enough for several rounds of the kernel's copy and of the buffer, with an odd tail.
QByteArray pattern(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7919) % 251);
    }
    return bytes;
}

TEST_F(Operations, copy_gives_the_whole_content_and_the_mode_whatever_the_flush) {
    const QByteArray content = pattern(3 * 1024 * 1024 + 17);
    put(QStringLiteral("GROSSE.mdb"), content);
    QFile::setPermissions(path(QStringLiteral("GROSSE.mdb")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    copyFile(QStringLiteral("GROSSE.mdb"), QStringLiteral("Maintenant.mdb"));
    copyFile(QStringLiteral("GROSSE.mdb"), QStringLiteral("Plus tard.mdb"), Flush::Later);
    for (const char* copy : {"Maintenant.mdb", "Plus tard.mdb"}) {
        EXPECT_EQ(bytesOf(QString::fromUtf8(copy)), content) << copy;
        EXPECT_EQ(QFile::permissions(path(QString::fromUtf8(copy))),
                  QFile::permissions(path(QStringLiteral("GROSSE.mdb"))))
            << copy;
    }
    put(QStringLiteral("vide.txt"), QByteArray());
    copyFile(QStringLiteral("vide.txt"), QStringLiteral("copie.txt"), Flush::Later);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("copie.txt"))).isFile());
    EXPECT_EQ(bytesOf(QStringLiteral("copie.txt")), QByteArray());
}

TEST_F(Operations, copy_from_another_file_system_goes_through_a_buffer) {
    // /dev/shm is a tmpfs: the kernel refuses to copy between it and the fixture's disk.
    QTemporaryDir other(QStringLiteral("/dev/shm/recette-XXXXXX"));
    if (!other.isValid()) {
        GTEST_SKIP() << "no /dev/shm on this system";
    }
    const QByteArray content = pattern(200 * 1024 + 3);
    QFile source(other.filePath(QStringLiteral("PHOTO.jpg")));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write(content);
    source.close();
    copyFile(source.fileName(), QStringLiteral("Photo.jpg"), Flush::Later);
    EXPECT_EQ(bytesOf(QStringLiteral("Photo.jpg")), content);
}

TEST_F(Operations, flushing_a_file_system_needs_an_existing_folder) {
    QDir().mkpath(path(QStringLiteral("Sauvegarde")));
    std::vector<std::string> seen;
    setFaultHook([&](std::string_view op, const QString& p) {
        seen.push_back(std::string(op) + " " + QFileInfo(p).fileName().toStdString());
    });
    flushFileSystem(QStringLiteral("C:\\SAUVEGARDE"));
    EXPECT_EQ(seen, std::vector<std::string>{"flush Sauvegarde"});
    EXPECT_EQ(errorOf([] { flushFileSystem(QStringLiteral("C:\\Absent")); }).number(),
              err::PathNotFound);
}

TEST_F(Operations, copies_under_a_kept_listing_still_replace_another_spelling) {
    put(QStringLiteral("a.jpg"), "new");
    put(QStringLiteral("save/Tarte.jpg"), "old");
    {
        const FolderListingScope listings;
        copyFile(QStringLiteral("a.jpg"), QStringLiteral("SAVE\\TARTE.JPG"), Flush::Later);
        copyFile(QStringLiteral("a.jpg"), QStringLiteral("save\\nouveau.jpg"), Flush::Later);
        copyFile(QStringLiteral("a.jpg"), QStringLiteral("save\\NOUVEAU.JPG"), Flush::Later);
        EXPECT_EQ(entries(QStringLiteral("save")),
                  (QStringList{QStringLiteral("Tarte.jpg"), QStringLiteral("nouveau.jpg")}))
            << "a name made under the scope is known to the next copy";
        removeFile(QStringLiteral("save\\nouveau.jpg"));
        copyFile(QStringLiteral("a.jpg"), QStringLiteral("save\\NOUVEAU.JPG"), Flush::Later);
        EXPECT_EQ(entries(QStringLiteral("save")),
                  (QStringList{QStringLiteral("NOUVEAU.JPG"), QStringLiteral("Tarte.jpg")}))
            << "a removed name is forgotten";
    }
    put(QStringLiteral("save/autre.jpg"), "made by someone else");
    copyFile(QStringLiteral("a.jpg"), QStringLiteral("save\\AUTRE.jpg"));
    EXPECT_EQ(bytesOf(QStringLiteral("save/autre.jpg")), "new")
        << "the listing ends with its scope";
    EXPECT_EQ(bytesOf(QStringLiteral("save/Tarte.jpg")), "new");
}

TEST_F(Operations, copy_onto_itself_keeps_the_content) {
    put(QStringLiteral("Base.mdb"), "precious");
    copyFile(QStringLiteral("Base.mdb"), QStringLiteral("C:\\BASE.MDB"));
    EXPECT_EQ(bytesOf(QStringLiteral("Base.mdb")), "precious");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Base.mdb")});
}

TEST_F(Operations, a_failed_copy_leaves_the_destination_as_it_was) {
    put(QStringLiteral("a.txt"), "new");
    put(QStringLiteral("b.txt"), "old");
    put(QStringLiteral("plain.txt"), "a file, not a folder");
    std::vector<std::string> seen;
    setFaultHook([&](std::string_view op, const QString& p) {
        seen.push_back(std::string(op) + " " + QFileInfo(p).fileName().toStdString());
        throw Error(err::DiskFull, QStringLiteral("disque plein"));
    });
    EXPECT_EQ(errorOf([] { copyFile(QStringLiteral("a.txt"), QStringLiteral("b.txt")); }).number(),
              err::DiskFull);
    EXPECT_EQ(seen, std::vector<std::string>{"copy b.txt"});
    setFaultHook({});

    EXPECT_EQ(
        errorOf([] { copyFile(QStringLiteral("absent.txt"), QStringLiteral("b.txt")); }).number(),
        err::FileNotFound);
    const Error underFile =
        errorOf([] { copyFile(QStringLiteral("a.txt"), QStringLiteral("plain.txt\\sub\\a.txt")); });
    EXPECT_EQ(underFile.number(), err::PathNotFound);
    EXPECT_TRUE(underFile.description().contains(QStringLiteral("C:\\plain.txt")))
        << underFile.what();
    QDir().mkpath(path(QStringLiteral("folder")));
    EXPECT_EQ(errorOf([] { copyFile(QStringLiteral("a.txt"), QStringLiteral("FOLDER")); }).number(),
              err::PathFileAccess);

    EXPECT_EQ(bytesOf(QStringLiteral("b.txt")), "old");
    EXPECT_EQ(bytesOf(QStringLiteral("plain.txt")), "a file, not a folder");
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt"),
                                      QStringLiteral("folder"), QStringLiteral("plain.txt")}));
}

TEST_F(Operations, remove_and_length_need_an_existing_file) {
    put(QStringLiteral("Vieux.let"), "12345");
    QDir().mkpath(path(QStringLiteral("Images")));
    EXPECT_EQ(fileLength(QStringLiteral("VIEUX.LET")), 5);
    removeFile(QStringLiteral("vieux.LET"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Vieux.let"))));
    for (const char* name : {"Vieux.let", "Images"}) {
        EXPECT_EQ(errorOf([&] { removeFile(QString::fromUtf8(name)); }).number(), err::FileNotFound)
            << name;
        EXPECT_EQ(errorOf([&] { fileLength(QString::fromUtf8(name)); }).number(), err::FileNotFound)
            << name;
    }
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Images"))).isDir());
}

TEST_F(Operations, replace_swaps_in_the_new_file_in_one_rename) {
    put(QStringLiteral("Recettes.mdb"), "old base");
    put(QStringLiteral("temp.MDB"), "compacted");
    std::vector<std::string> seen;
    setFaultHook([&](std::string_view op, const QString& p) {
        seen.push_back(std::string(op) + " " + QFileInfo(p).fileName().toStdString());
    });
    replaceFile(QStringLiteral("TEMP.mdb"), QStringLiteral("recettes.mdb"));
    EXPECT_EQ(seen, std::vector<std::string>{"rename Recettes.mdb"});
    EXPECT_EQ(bytesOf(QStringLiteral("Recettes.mdb")), "compacted");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Recettes.mdb")});
    EXPECT_EQ(errorOf([] {
                  replaceFile(QStringLiteral("temp.MDB"), QStringLiteral("Recettes.mdb"));
              }).number(),
              err::FileNotFound);
    EXPECT_EQ(bytesOf(QStringLiteral("Recettes.mdb")), "compacted");
}

TEST_F(Operations, link_gives_a_second_name_that_outlives_a_replacement_and_never_overwrites) {
    put(QStringLiteral("CUISINE.mdb"), "old format");
    put(QStringLiteral("Cuisine.mdb.JET"), "kept earlier");
    linkFile(QStringLiteral("cuisine.MDB"), QStringLiteral("CUISINE.mdb.2.jet"));
    EXPECT_EQ(bytesOf(QStringLiteral("CUISINE.mdb.2.jet")), "old format");
    // The base's name may then point at a new file: the second name keeps the old one.
    put(QStringLiteral("new"), "new format");
    replaceFile(QStringLiteral("new"), QStringLiteral("CUISINE.mdb"));
    EXPECT_EQ(bytesOf(QStringLiteral("CUISINE.mdb")), "new format");
    EXPECT_EQ(bytesOf(QStringLiteral("CUISINE.mdb.2.jet")), "old format");

    EXPECT_EQ(errorOf([] {
                  linkFile(QStringLiteral("CUISINE.mdb"), QStringLiteral("cuisine.mdb.jet"));
              }).number(),
              err::FileAlreadyExists);
    EXPECT_EQ(bytesOf(QStringLiteral("Cuisine.mdb.JET")), "kept earlier");
    EXPECT_EQ(errorOf([] {
                  linkFile(QStringLiteral("ABSENT.mdb"), QStringLiteral("ABSENT.mdb.jet"));
              }).number(),
              err::FileNotFound);
}

TEST_F(Operations, make_folder_refuses_an_existing_one_and_a_missing_parent) {
    put(QStringLiteral("plain.txt"), "x");
    makeFolder(QStringLiteral("C:\\Sauvegarde"));
    makeFolder(QStringLiteral("C:\\SAUVEGARDE\\Recettes"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Sauvegarde/Recettes"))).isDir());
    const struct {
        const char* name;
        int expected;
    } cases[] = {
        {"Sauvegarde", err::PathFileAccess},   {"sauvegarde\\recettes", err::PathFileAccess},
        {"plain.txt", err::PathFileAccess},    {"Absent\\Sous", err::PathNotFound},
        {"plain.txt\\sub", err::PathNotFound},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { makeFolder(QString::fromUtf8(c.name)); }).number(), c.expected)
            << c.name;
    }
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Sauvegarde"), QStringLiteral("plain.txt")}));
}

TEST_F(Operations, the_replacing_file_takes_the_permissions_of_the_replaced_one) {
    const QByteArray replaced = QFile::encodeName(path(QStringLiteral("Prive.mdb")));
    for (mode_t mode : {0600, 0640, 0444}) {
        put(QStringLiteral("Prive.mdb"), "old");
        put(QStringLiteral("copie"), "new");
        ASSERT_EQ(::chmod(replaced.constData(), mode), 0);
        replaceFile(QStringLiteral("copie"), QStringLiteral("Prive.mdb"));
        struct stat st {};
        ASSERT_EQ(::stat(replaced.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        EXPECT_EQ(bytesOf(QStringLiteral("Prive.mdb")), "new");
        ::chmod(replaced.constData(), 0600);
    }
}

TEST_F(Operations, a_working_name_is_new_hidden_and_no_base_name) {
    put(QStringLiteral("Bases/A.MDB"), "x");
    QStringList names;
    for (int i = 0; i < 20; ++i) {
        const QString name = newWorkingName(QStringLiteral("C:\\Bases\\A.MDB"));
        EXPECT_TRUE(name.startsWith(QStringLiteral("C:\\Bases\\."))) << name.toStdString();
        EXPECT_FALSE(exists(name));
        names << name;
        put(QStringLiteral("Bases/") + name.mid(9), "taken");
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 20);
    EXPECT_EQ(listFiles(QStringLiteral("Bases"), QStringLiteral("*.mdb")),
              QStringList{QStringLiteral("A.MDB")});
    EXPECT_FALSE(newWorkingName(QStringLiteral("A.MDB")).contains(u'\\'))
        << "beside a name of the working folder, a name of the working folder";
}

TEST_F(Operations, a_copy_may_bear_the_longest_name_the_disk_accepts) {
    put(QStringLiteral("Base.kov"), "template");
    const QString longest = QString(251, u'A') + QStringLiteral(".MDB");
    copyFile(QStringLiteral("Base.kov"), longest);
    EXPECT_EQ(bytesOf(longest), "template");
    EXPECT_EQ(entries(), (QStringList{longest, QStringLiteral("Base.kov")}));
}

TEST_F(Operations, read_only_means_marked_so_or_not_writable) {
    put(QStringLiteral("a.mdb"), "x");
    const struct {
        QFile::Permissions mode;
        bool readOnly;
    } cases[] = {
        {QFile::ReadOwner | QFile::WriteOwner, false},
        {QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther, true},
        {QFile::ReadOwner, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("a.mdb")), c.mode));
        EXPECT_EQ(isReadOnly(QStringLiteral("A.MDB")), c.readOnly) << int(c.mode);
    }
    EXPECT_FALSE(isReadOnly(QStringLiteral("absent.mdb")));
}

}  // namespace
