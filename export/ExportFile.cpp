// SPDX-License-Identifier: MIT
#include "export/ExportFile.h"

#include "document/NativePath.h"
#include "document/WriteFailure.h"
#include "export/ExportException.h"

#include <boost/iostreams/concepts.hpp>
#include <boost/iostreams/operations.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace TarnViewModel {

namespace {

// Copies runs of text between line ends in one go and puts CR before every LF.
struct CrLfFilter : boost::iostreams::multichar_output_filter {
    template <typename Sink>
    std::streamsize write(Sink& sink, const char* text, std::streamsize size)
    {
        const char* position = text;
        const char* const end = text + size;
        while (position != end) {
            const auto* lineEnd = static_cast<const char*>(std::memchr(position, '\n', static_cast<std::size_t>(end - position)));
            const char* runEnd = lineEnd != nullptr ? lineEnd : end;
            if (boost::iostreams::write(sink, position, runEnd - position) != runEnd - position) {
                return position - text;
            }
            position = runEnd;
            if (lineEnd != nullptr) {
                if (boost::iostreams::write(sink, "\r\n", 2) != 2) {
                    return position - text;
                }
                ++position;
            }
        }
        return size;
    }
};

Messages::Message CannotWrite(const std::wstring& path, int error)
{
    return BRINDLE_TEXT("ExportFile", "Cannot write the file \"%1\": %2.").Arg(NativePath(path)).Arg(WriteFailureReason(error));
}

}  // namespace

// Fails the write that fails with the file's name, so that an exporter checking its stream
// never reports it without one; after that, or once the export is abandoned, it only drops.
struct ExportFile::FileSink : boost::iostreams::sink {
    std::streamsize write(const char* text, std::streamsize size)
    {
        if (file->dropping_) {
            return size;
        }
        if (!file->file_.Stream().write(text, size)) {
            file->error_ = errno;
            file->dropping_ = true;
            throw ExportException(CannotWrite(file->path_, file->error_));
        }
        return size;
    }
    ExportFile* file;
};

ExportFile::ExportFile(const std::wstring& path, ReplacingFile::Sync sync, LineEnds lineEnds)
    : path_(path),
      file_(
          NativePath(path),
          [path](ReplacingFile::Stage stage, int error) {
              throw ExportException(stage == ReplacingFile::Stage::Create ? BRINDLE_TEXT("ExportFile", "Cannot create the file \"%1\": %2.")
                                                                                .Arg(NativePath(path))
                                                                                .Arg(WriteFailureReason(error))
                                                                          : CannotWrite(path, error));
          },
          sync)
{
    if (lineEnds == LineEnds::CrLf) {
        stream_.push(CrLfFilter());
    }
    stream_.push(FileSink{{}, this});
    // Only a complete chain is a good stream.
    stream_.exceptions(std::ios::badbit);
}

ExportFile::~ExportFile()
{
    dropping_ = true;
}

void ExportFile::Close()
{
    stream_.flush();
    stream_.reset();
    if (dropping_) {
        throw ExportException(CannotWrite(path_, error_));
    }
    file_.Commit();
}

void RefuseExportOverBook(const std::wstring& output, const std::wstring& book)
{
    std::error_code error;
    if (!book.empty() && std::filesystem::equivalent(NativePath(output), NativePath(book), error)) {
        throw ExportException(BRINDLE_TEXT("ExportFile", "Cannot export over the book itself: \"%1\".").Arg(NativePath(output)));
    }
}

}  // namespace TarnViewModel
