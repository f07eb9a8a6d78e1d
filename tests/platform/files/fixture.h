// A fresh program folder in a temporary directory, also mapped as drive C:.
#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/core/error.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"

namespace files_test {

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        platform::files::setProgramFolder(dir_.path());
        platform::files::setDrive(u'C', dir_.path());
    }
    void TearDown() override {
        platform::files::setFaultHook({});
        platform::files::resetDrives();
    }

    QString path(const QString& relative) const { return dir_.filePath(relative); }

    void put(const QString& relative, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytesOf(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
    }

    // Every entry of a folder of the fixture, hidden ones included, sorted.
    QStringList entries(const QString& relative = QStringLiteral(".")) const {
        QStringList names =
            QDir(path(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    QTemporaryDir dir_;
};

// The error `statement` raises; a failure of the test when it raises none.
template <class F>
platform::Error errorOf(F&& statement) {
    try {
        statement();
    } catch (const platform::Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return platform::Error(0, {});
}

}  // namespace files_test
