// SPDX-License-Identifier: MIT
#include "export/ZipArchive.h"

#include "export/ExportException.h"

#include <zip.h>

#include <deque>

namespace TarnViewModel {

struct ZipArchive::Entries {
    std::deque<std::string> contents;
};

namespace {

[[noreturn]] void Fail(Messages::Message&& what, const std::string& reason)
{
    throw ExportException(std::move(what).Arg(reason));
}

// The reason in a libzip error of ours, which is let go of.
std::string Reason(zip_error_t& error)
{
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    return reason;
}

}  // namespace

ZipArchive::ZipArchive(std::time_t modified) : modified_(modified), entries_(std::make_unique<Entries>())
{
    zip_error_t error;
    zip_error_init(&error);
    buffer_ = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (buffer_ == nullptr) {
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot start the archive: %1."), Reason(error));
    }
    archive_ = zip_open_from_source(buffer_, ZIP_TRUNCATE, &error);
    if (archive_ == nullptr) {
        zip_source_free(buffer_);
        buffer_ = nullptr;
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot start the archive: %1."), Reason(error));
    }
    // The archive lets go of the buffer when it closes; the buffer holds the bytes after.
    zip_source_keep(buffer_);
}

ZipArchive::~ZipArchive()
{
    if (archive_ != nullptr) {
        zip_discard(archive_);
    }
    if (buffer_ != nullptr) {
        zip_source_free(buffer_);
    }
}

void ZipArchive::AddStored(const std::string& name, std::string contents)
{
    Add(name, std::move(contents), false);
}

void ZipArchive::AddCompressed(const std::string& name, std::string contents)
{
    Add(name, std::move(contents), true);
}

void ZipArchive::Add(const std::string& name, std::string contents, bool compressed)
{
    const std::string& kept = entries_->contents.emplace_back(std::move(contents));
    zip_source_t* source = zip_source_buffer(archive_, kept.data(), kept.size(), 0);
    if (source == nullptr) {
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot add to the archive: %1."), zip_strerror(archive_));
    }
    const zip_int64_t index = zip_file_add(archive_, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot add to the archive: %1."), zip_strerror(archive_));
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (zip_set_file_compression(archive_, entry, compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) != 0 ||
        zip_file_set_mtime(archive_, entry, modified_, 0) != 0) {
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot add to the archive: %1."), zip_strerror(archive_));
    }
}

std::string ZipArchive::Bytes()
{
    if (zip_close(archive_) != 0) {
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot write the archive: %1."), zip_strerror(archive_));
    }
    archive_ = nullptr;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer_, &stat) != 0 || zip_source_open(buffer_) != 0) {
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot read the archive back: %1."), zip_error_strerror(zip_source_error(buffer_)));
    }
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(buffer_, bytes.data(), bytes.size());
    zip_source_close(buffer_);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) {
        Fail(BRINDLE_TEXT("ZipArchive", "Cannot read the archive back: %1."), zip_error_strerror(zip_source_error(buffer_)));
    }
    entries_->contents.clear();
    return bytes;
}

}  // namespace TarnViewModel
