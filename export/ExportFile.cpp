#include "export/ExportFile.h"

#include "document/NativePath.h"
#include "export/ExportException.h"

#include <boost/iostreams/categories.hpp>
#include <boost/iostreams/operations.hpp>

namespace TarnViewModel {

namespace {

struct CrLfFilter {
    using char_type = char;
    using category = boost::iostreams::output_filter_tag;

    template <typename Sink>
    bool put(Sink& sink, char character)
    {
        if (character == '\n' && !boost::iostreams::put(sink, '\r')) {
            return false;
        }
        return boost::iostreams::put(sink, character);
    }
};

std::string Message(const char* what, const std::wstring& path)
{
    return std::string(what) + " \"" + NativePath(path) + "\".";
}

}  // namespace

ExportFile::ExportFile(const std::wstring& path) : path_(path)
{
    file_.open(NativePath(path), std::ios::binary | std::ios::trunc);
    if (!file_) {
        throw ExportException(Message("Cannot create the file", path));
    }
    stream_.push(CrLfFilter());
    stream_.push(file_);
}

void ExportFile::Close()
{
    const bool written = static_cast<bool>(stream_.flush());
    stream_.reset();
    file_.close();
    if (!written || file_.fail()) {
        throw ExportException(Message("Cannot write the file", path_));
    }
}

}  // namespace TarnViewModel
