// A SQLite VFS that counts the changes SQLite makes to files (writes, truncations, syncs,
// deletions) and can end the process just before one of them: a crash at an exact point of a
// transaction, for the fault tests.
#pragma once

namespace test_support {

// Makes the crash VFS the default one of this process; later calls do nothing.
void installCrashVfs();

// From now on, counts the changes; the process ends with `exitCode`, without any clean-up, just
// before change number `at` (from 1). With `at` 0 the changes are only counted.
void armCrash(long at, int exitCode = 9);

// The changes counted since armCrash.
long crashChanges();

}  // namespace test_support
