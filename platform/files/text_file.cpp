#include "platform/files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <exception>
#include <vector>

#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/files/cp1252.h"
#include "platform/files/disk_names.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"

namespace platform::files {

namespace {

std::vector<TextFile*>& openFiles() {
    static std::vector<TextFile*> files;
    return files;
}

void forget(TextFile* file) {
    std::erase(openFiles(), file);
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

TextFile::TextFile(const QString& name, OpenMode mode) : mode_(mode), path_(resolve(name)) {
    if (kindOf(path_) == Kind::Folder) {
        raise(err::PathFileAccess,
              QStringLiteral("%1 est un dossier, pas un fichier").arg(windowsName(path_)));
    }
    switch (mode) {
        case OpenMode::Input:
            if (kindOf(path_) == Kind::None) {
                raise(err::FileNotFound, windowsName(path_));
            }
            text_ = fromCp1252(readWholeFile(path_));
            break;
        case OpenMode::Output:
            beforeDiskChange("write", path_);
            staged_ = std::make_unique<StagedFile>(path_, Action::Write);
            break;
        case OpenMode::Append: {
            beforeDiskChange("write", path_);
            appendFd_ = openFile(path_, O_WRONLY | O_APPEND | O_CREAT, Action::Write);
            struct stat st {};
            ::fstat(appendFd_.get(), &st);
            appendStart_ = st.st_size;
            break;
        }
    }
    open_ = true;
    openFiles().push_back(this);
}

TextFile::~TextFile() {
    ignoreErrors([this] { close(); });
}

void TextFile::requireReading() const {
    if (!open_) {
        raise(err::BadFileName, QStringLiteral("le fichier %1 est fermé").arg(windowsName(path_)));
    }
    if (mode_ != OpenMode::Input) {
        raise(err::BadFileMode, windowsName(path_));
    }
}

void TextFile::requireWriting() const {
    if (!open_) {
        raise(err::BadFileName, QStringLiteral("le fichier %1 est fermé").arg(windowsName(path_)));
    }
    if (mode_ == OpenMode::Input) {
        raise(err::BadFileMode, windowsName(path_));
    }
}

bool TextFile::atEnd() const {
    requireReading();
    return pos_ >= text_.size();
}

void TextFile::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n') {
            ++pos_;
        }
    } else if (pos_ < text_.size() && text_[pos_] == u'\n') {
        ++pos_;
    }
}

void TextFile::skipToSeparator() {
    while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) {
        ++pos_;
    }
}

QString TextFile::readLine() {
    if (atEnd()) {
        raise(err::InputPastEnd, windowsName(path_));
    }
    const auto begin = text_.cbegin() + pos_;
    const auto end = std::find_if(begin, text_.cend(), isLineEnd);
    const QString line(begin, end - begin);
    pos_ += line.size();
    skipLineEnd();
    return line;
}

QString TextFile::readField() {
    if (atEnd()) {
        raise(err::InputPastEnd, windowsName(path_));
    }
    while (pos_ < text_.size() && text_[pos_] == u' ') {
        ++pos_;
    }
    QString field;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype stop = close < 0 ? text_.size() : close;
        field = text_.mid(pos_ + 1, stop - pos_ - 1);
        pos_ = std::min(stop + 1, text_.size());
        skipToSeparator();  // what follows the closing quote is dropped
    } else {
        const qsizetype start = pos_;
        skipToSeparator();
        field = text_.mid(start, pos_ - start);
    }
    if (pos_ < text_.size() && text_[pos_] == u',') {
        ++pos_;
    } else {
        skipLineEnd();
    }
    return field;
}

QString TextFile::readAll() {
    requireReading();
    const QString rest = text_.mid(pos_);
    pos_ = text_.size();
    return rest;
}

void TextFile::writeTab(long long column) {
    const long long target = std::max(column, 1LL);
    if (column_ > target) {
        pending_ += QStringLiteral("\r\n");
        column_ = 1;
    }
    pending_ += spaces(target - column_);
    column_ = std::max(column_, target);
}

void TextFile::writeText(const QString& text) {
    pending_ += text;
    const qsizetype lastBreak = std::max(text.lastIndexOf(u'\n'), text.lastIndexOf(u'\r'));
    column_ = lastBreak < 0 ? column_ + text.size() : text.size() - lastBreak;
}

void TextFile::print(std::initializer_list<PrintItem> items) {
    requireWriting();
    for (const PrintItem& item : items) {
        if (const Tab* tab = std::get_if<Tab>(&item)) {
            writeTab(tab->column);
        } else {
            writeText(std::get<QString>(item));
        }
    }
    pending_ += QStringLiteral("\r\n");
    column_ = 1;
}

void TextFile::flushToDisk() {
    const QByteArray bytes = toCp1252(pending_);
    pending_.clear();
    if (mode_ == OpenMode::Output) {
        // Dropping the staged file on failure removes it and leaves the old file in place.
        const std::unique_ptr<StagedFile> staged = std::move(staged_);
        staged->write(bytes);
        staged->commit();
        return;
    }
    try {
        writeAll(appendFd_.get(), bytes, Action::Write, path_);
    } catch (const Error&) {
        // Half a card is worse than none: cut the file back to what it held.
        [[maybe_unused]] const int ignored = ::ftruncate(appendFd_.get(), appendStart_);
        appendFd_.reset();
        throw;
    }
    appendFd_.reset();
}

void TextFile::close() {
    if (!open_) {
        return;
    }
    open_ = false;
    forget(this);
    if (mode_ != OpenMode::Input) {
        flushToDisk();
    }
}

void closeAllFiles() {
    const std::vector<TextFile*> files = openFiles();
    std::exception_ptr first;
    for (TextFile* file : files) {
        try {
            file->close();
        } catch (const Error&) {
            if (!first) {
                first = std::current_exception();
            }
        }
    }
    if (first) {
        std::rethrow_exception(first);
    }
}

}  // namespace platform::files
