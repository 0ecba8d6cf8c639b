// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <memory>
#include <string>

typedef struct zip zip_t;
typedef struct zip_source zip_source_t;

namespace TarnViewModel {

// A zip archive made in memory through libzip, its entries in the order they are added,
// each dated `modified` so that the same contents always give the same bytes.
class ZipArchive {
public:
    explicit ZipArchive(std::time_t modified);
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ~ZipArchive();

    // Throws ExportException when libzip refuses the entry.
    void AddStored(const std::string& name, std::string contents);
    void AddCompressed(const std::string& name, std::string contents);
    // The whole archive; nothing can be added after.
    std::string Bytes();

private:
    void Add(const std::string& name, std::string contents, bool compressed);

    std::time_t modified_;
    zip_source_t* buffer_ = nullptr;
    zip_t* archive_ = nullptr;
    // libzip reads the entries' contents only when the archive is written.
    struct Entries;
    std::unique_ptr<Entries> entries_;
};

}  // namespace TarnViewModel
