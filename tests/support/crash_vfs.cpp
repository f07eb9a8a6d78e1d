#include "crash_vfs.h"

#include <sqlite3.h>
#include <unistd.h>

namespace test_support {

namespace {

sqlite3_vfs* real = nullptr;  // the VFS every call is handed on to
sqlite3_vfs crash;
sqlite3_io_methods methods;
long counted = -1;  // -1 until armed
long target = 0;
int code = 9;

// One change about to be made.
void change() {
    if (counted < 0) {
        return;
    }
    ++counted;
    if (target > 0 && counted == target) {
        _exit(code);
    }
}

struct CrashFile {
    sqlite3_file base;
    sqlite3_file* real;  // lies right after this struct, in the room SQLite gives
};

sqlite3_file* inner(sqlite3_file* file) {
    return reinterpret_cast<CrashFile*>(file)->real;
}

int fileClose(sqlite3_file* f) {
    return inner(f)->pMethods->xClose(inner(f));
}
int fileRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return inner(f)->pMethods->xRead(inner(f), buffer, amount, offset);
}
int fileWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    change();
    return inner(f)->pMethods->xWrite(inner(f), buffer, amount, offset);
}
int fileTruncate(sqlite3_file* f, sqlite3_int64 size) {
    change();
    return inner(f)->pMethods->xTruncate(inner(f), size);
}
int fileSync(sqlite3_file* f, int flags) {
    change();
    return inner(f)->pMethods->xSync(inner(f), flags);
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) {
    return inner(f)->pMethods->xFileSize(inner(f), size);
}
int fileLock(sqlite3_file* f, int level) {
    return inner(f)->pMethods->xLock(inner(f), level);
}
int fileUnlock(sqlite3_file* f, int level) {
    return inner(f)->pMethods->xUnlock(inner(f), level);
}
int fileCheckReservedLock(sqlite3_file* f, int* out) {
    return inner(f)->pMethods->xCheckReservedLock(inner(f), out);
}
int fileControl(sqlite3_file* f, int op, void* arg) {
    return inner(f)->pMethods->xFileControl(inner(f), op, arg);
}
int fileSectorSize(sqlite3_file* f) {
    return inner(f)->pMethods->xSectorSize(inner(f));
}
int fileDeviceCharacteristics(sqlite3_file* f) {
    return inner(f)->pMethods->xDeviceCharacteristics(inner(f));
}

int vfsOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* f = reinterpret_cast<CrashFile*>(file);
    f->real = reinterpret_cast<sqlite3_file*>(f + 1);
    const int rc = real->xOpen(real, name, f->real, flags, outFlags);
    // Version 1 of the methods: no shared memory and no memory mapping, which a base in
    // rollback-journal mode does not use.
    f->base.pMethods = f->real->pMethods != nullptr ? &methods : nullptr;
    return rc;
}

int vfsDelete(sqlite3_vfs*, const char* name, int syncDir) {
    change();
    return real->xDelete(real, name, syncDir);
}

}  // namespace

void installCrashVfs() {
    if (real != nullptr) {
        return;
    }
    real = sqlite3_vfs_find(nullptr);
    crash = *real;  // the other entries work on the real VFS's own data
    crash.zName = "crash";
    crash.pNext = nullptr;
    crash.szOsFile = static_cast<int>(sizeof(CrashFile)) + real->szOsFile;
    crash.xOpen = vfsOpen;
    crash.xDelete = vfsDelete;
    methods = {};
    methods.iVersion = 1;
    methods.xClose = fileClose;
    methods.xRead = fileRead;
    methods.xWrite = fileWrite;
    methods.xTruncate = fileTruncate;
    methods.xSync = fileSync;
    methods.xFileSize = fileSize;
    methods.xLock = fileLock;
    methods.xUnlock = fileUnlock;
    methods.xCheckReservedLock = fileCheckReservedLock;
    methods.xFileControl = fileControl;
    methods.xSectorSize = fileSectorSize;
    methods.xDeviceCharacteristics = fileDeviceCharacteristics;
    sqlite3_vfs_register(&crash, 1);
}

void armCrash(long at, int exitCode) {
    counted = 0;
    target = at;
    code = exitCode;
}

long crashChanges() {
    return counted < 0 ? 0 : counted;
}

}  // namespace test_support
