// SPDX-License-Identifier: MIT
#pragma once

#include "document/ReplacingFile.h"

#include <boost/iostreams/filtering_stream.hpp>

#include <string>

namespace TarnViewModel {

// One exported file. Its stream stores every LF as CR LF, the line ends of the exported text
// formats on every platform, unless asked to keep the bytes; a CR on its own passes unchanged. The file replaces any old one
// only once it is whole, so a failed export leaves the old file as it was.
class ExportFile {
public:
    // Text formats have their line ends made CR LF; an archive's bytes go out as written.
    enum class LineEnds { CrLf, AsWritten };

    // Throws ExportException when the file cannot be created.
    explicit ExportFile(const std::wstring& path, ReplacingFile::Sync sync = ReplacingFile::Sync::OnCommit,
                        LineEnds lineEnds = LineEnds::CrLf);
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;
    ~ExportFile();

    std::ostream& Stream() { return stream_; }
    // A write that fails throws ExportException naming the file, through the stream.
    // Close writes out what is left and puts the file in place; throws ExportException when
    // anything could not be written.
    void Close();

private:
    struct FileSink;

    std::wstring path_;
    ReplacingFile file_;
    bool dropping_ = false;
    // The system's reason for the write that failed.
    int error_ = 0;
    boost::iostreams::filtering_ostream stream_;
};

// Throws ExportException when the output is the book's own file, under any name or link, which
// the export would replace.
void RefuseExportOverBook(const std::wstring& output, const std::wstring& book);

}  // namespace TarnViewModel
