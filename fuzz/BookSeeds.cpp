// Writes the seed books for the book file fuzzer into a folder: books shaped like real
// gamebooks up to the fuzzer's 1 MB input limit, and inputs that once brought the reader down.
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

void WriteSeed(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Quotes in element names around deep nesting once overflowed the stack.
std::string QuotedNamesAroundDeepNesting()
{
    std::string text = "<book><a\">";
    for (int level = 0; level < 100000; ++level) {
        text += "<i>";
    }
    return text + "<b\">\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: book_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const std::uint32_t sections : {40u, 400u, 800u}) {
        const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(sections));
        model->Save((folder / ("generated-" + std::to_string(sections) + ".brindle")).wstring());
    }
    WriteSeed(folder / "quoted-names-deep-nesting.brindle", QuotedNamesAroundDeepNesting());
    return 0;
}
