#pragma once

#include <boost/iostreams/filtering_stream.hpp>

#include <fstream>
#include <string>

namespace TarnViewModel {

// One exported file. Its stream stores every LF as CR LF, the line ends of the exported
// formats on every platform; a CR on its own passes unchanged.
class ExportFile {
public:
    // Throws ExportException when the file cannot be created.
    explicit ExportFile(const std::wstring& path);
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    std::ostream& Stream() { return stream_; }
    // Writes out what is left; throws ExportException when anything could not be written.
    void Close();

private:
    std::wstring path_;
    std::ofstream file_;
    boost::iostreams::filtering_ostream stream_;
};

}  // namespace TarnViewModel
