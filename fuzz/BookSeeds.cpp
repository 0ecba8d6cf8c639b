// SPDX-License-Identifier: MIT
// Writes seeds for the fuzzers into a folder: books shaped like real gamebooks, up to the
// fuzzers' 1 MB input limit, as book files or, with --twee, as Twee stories.
#include "export/ExportFile.h"
#include "export/TweeExporter.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const bool twee = argc == 3 && std::string(argv[2]) == "--twee";
    if (argc != 2 && !twee) {
        std::cerr << "usage: book_seeds FOLDER [--twee]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const std::uint32_t sections : {40u, 400u, 800u}) {
        const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(sections));
        const std::string name = "generated-" + std::to_string(sections);
        if (twee) {
            TarnViewModel::ExportFile file((folder / (name + ".twee")).wstring(), TarnViewModel::ReplacingFile::Sync::OnCommit,
                                           TarnViewModel::ExportFile::LineEnds::AsWritten);
            TarnViewModel::TweeExporter().Export(*model, file.Stream());
            file.Close();
        } else {
            model->Save((folder / (name + ".brindle")).wstring());
        }
    }
    return 0;
}
