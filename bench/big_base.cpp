#include "big_base.h"

#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>
#include <map>

namespace {

// The 28 category codes; the first one takes kOneCategory recipes, the others share the rest.
constexpr const char* kCodes[] = {"AGN", "CHA", "FRO", "LEG", "FON", "SAU", "COM",
                                  "POI", "CRU", "BOE", "GIB", "POR", "VEA", "LAP",
                                  "CAN", "COQ", "POU", "FOI", "VIT", "VER", "PAI",
                                  "PLA", "MAG", "NOU", "DES", "BEU", "AST", "HOR"};
constexpr int kCodeCount = sizeof(kCodes) / sizeof(kCodes[0]);

// Recipe i's category: every sixth recipe is in the big category while it lasts, so that its
// records are spread over the whole file as a user's are.
const char* category(int i) {
    if (i % 6 == 0 && i / 6 <= kOneCategory) {
        return kCodes[0];
    }
    return kCodes[1 + i % (kCodeCount - 1)];
}

QByteArray schema() {
    QFile file(QStringLiteral(RECETTE_SCHEMA_FILE));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

}  // namespace

QString bigBase(int recipes, int bytes) {
    static QTemporaryDir dir;
    static std::map<std::pair<int, int>, QString> made;
    QString& path = made[{recipes, bytes}];
    if (!path.isEmpty()) {
        return path;
    }
    path = dir.filePath(QStringLiteral("BASE-%1-%2.mdb").arg(recipes).arg(bytes));
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, schema().constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Cuisine VALUES (?1, ?5, ?2, '20 MN', '1 H', 'aaa', "
                       "'Bordeaux', ?3, ?4)",
                       -1, &insert, nullptr);
    // Lines of 40 and 70 characters ended by CR LF, as typed recipes are.
    std::string ingredients, method;
    while (static_cast<int>(ingredients.size() + method.size()) < bytes) {
        ingredients += std::string(40, 'i') + "\r\n";
        method += std::string(70, 'p') + "\r\n";
    }
    for (int i = 1; i <= recipes; ++i) {
        const std::string title = "RECETTE NUMERO " + std::to_string(i);
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, ingredients.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, method.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, category(i), -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

int runQuietly(const char* program, const std::vector<std::string>& arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ) == 0) {
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    return status;
}
