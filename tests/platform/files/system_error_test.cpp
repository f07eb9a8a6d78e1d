#include "platform/files/system_error.h"

#include <cerrno>
#include <cstring>

#include "fixture.h"

using namespace platform;
using namespace platform::files;
using files_test::errorOf;

namespace {

class SystemErrors : public files_test::FolderTest {};

TEST_F(SystemErrors, the_causes_a_user_can_meet_are_told_in_french_with_the_name_they_know) {
    const struct {
        int errnum;
        Action action;
        int number;
        const char* says;
    } cases[] = {
        {ENOSPC, Action::Write, err::DiskFull, "plus de place sur le disque"},
        {EROFS, Action::Write, err::PermissionDenied, "lecture seule"},
        {EACCES, Action::Copy, err::PermissionDenied, "n'accepte pas l'écriture"},
        {ENAMETOOLONG, Action::Copy, err::BadFileName, "nom trop long"},
        {EBUSY, Action::Remove, err::PermissionDenied, "utilisé par un autre programme"},
        {ENOENT, Action::Remove, err::FileNotFound, "CUISINE.MDB"},
        {ENOENT, Action::Write, err::PathNotFound, "n'existe pas"},
        {EIO, Action::Read, err::DeviceIoError, "erreur de lecture ou d'écriture du disque"},
        {ELOOP, Action::Read, err::DeviceIoError, "liens symboliques"},
        {EOWNERDEAD, Action::Read, err::DeviceIoError, "erreur système n°"},
    };
    for (const auto& c : cases) {
        const Error e = errorOf(
            [&] { raiseSystemError(c.errnum, c.action, path(QStringLiteral("CUISINE.MDB"))); });
        EXPECT_EQ(e.number(), c.number) << c.errnum;
        EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.says))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("C:\\CUISINE.MDB"))) << e.what();
        EXPECT_FALSE(e.description().contains(QString::fromLocal8Bit(std::strerror(c.errnum))))
            << "no English: " << e.what();
    }
}

}  // namespace
