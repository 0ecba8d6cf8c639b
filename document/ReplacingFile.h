#pragma once

#include <fstream>
#include <string>

namespace TarnViewModel {

// Writes a file so that the old one survives any failure: the text goes to a new file in
// the same folder, which replaces the old one only once it is complete and on disk.
// Every failure throws the XML writer's error "write error"; the new file is then removed.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& fileName);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    std::ostream& Stream() { return stream_; }
    // Closes, syncs and moves the new file over the old one.
    void Commit();

private:
    // Removes the new file and throws.
    [[noreturn]] void Fail();

    std::string fileName_;
    std::string target_;
    std::string temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};

}  // namespace TarnViewModel
