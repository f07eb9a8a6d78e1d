// Another program using a base at the same time: a child process that reaches the base with
// SQLite alone, and that the test drives step by step through two pipes.
#pragma once

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <functional>

namespace management_test {

class OtherProgram {
public:
    // Starts `body` in a child process on its own connection to `path`, and returns once the
    // child has called ready(). The child ends with the code `body` returns. Start it while this
    // process has the base closed: a forked child inherits SQLite's view of its parent's locks.
    OtherProgram(const QString& path, std::function<int(OtherProgram&)> body) {
        const QByteArray file = path.toUtf8();
        if (::pipe(toChild_) != 0 || ::pipe(toParent_) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            sqlite3_open_v2(file.constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
            sqlite3_extended_result_codes(db_, 1);
            sqlite3_busy_timeout(db_, 20000);
            ::_exit(body(*this));
        }
        waitFor(toParent_[0]);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    ~OtherProgram() { exitCode(); }

    // In the child: runs SQL on its connection and gives SQLite's extended result code.
    int exec(const char* sql) const { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }
    // In the child: tells the test it has done its first steps.
    void ready() const { signal(toParent_[1]); }
    // In the child: waits for the test's go().
    void waitForGo() const { waitFor(toChild_[0]); }

    // In the test: lets the child go on.
    void go() const { signal(toChild_[1]); }
    // In the test: waits for the child's next ready().
    void waitUntilReady() const { waitFor(toParent_[0]); }
    // In the test: waits for the child's end; its exit code, or -1 when it died otherwise.
    int exitCode() {
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            pid_ = 0;
        }
        return code_;
    }

private:
    static void signal(int fd) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    static void waitFor(int fd) {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(fd, &byte, 1);
    }

    pid_t pid_ = -1;
    int code_ = -1;
    int toChild_[2] = {-1, -1};   // the test writes, the child reads
    int toParent_[2] = {-1, -1};  // the child writes, the test reads
    sqlite3* db_ = nullptr;       // the child's connection
};

}  // namespace management_test
