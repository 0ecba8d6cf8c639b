// Writes the seed books for the book file fuzzer into a folder: books shaped like real
// gamebooks, up to the fuzzer's 1 MB input limit.
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"

#include <filesystem>
#include <iostream>
#include <string>

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
    return 0;
}
