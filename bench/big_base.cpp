#include "big_base.h"

#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <map>

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
    sqlite3_exec(db,
                 "CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa "
                 "TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, "
                 "Preparation TEXT); BEGIN",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Cuisine VALUES (?1, 'AGN', ?2, '20 MN', '1 H', 'aaa', "
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
