// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include "export/TweeExporter.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace TarnViewModel;

namespace {

// A generated book's own Twee export read back into a book: the file's text parsed, its
// passages numbered and their choices made.
void ImportTwee(benchmark::State& state)
{
    const auto model = BenchSupport::MakeDocument(static_cast<std::uint32_t>(state.range(0)));
    std::ostringstream twee;
    TweeExporter().Export(*model->Snapshot(), twee);
    const std::string text = twee.str();
    for (auto _ : state) {
        const Import::TwineFile file = Import::ReadTwineText(text, "book.twee");
        Import::ImportWarnings warnings;
        benchmark::DoNotOptimize(Import::ImportStory(file.stories.front(), "book.twee", warnings));
    }
    state.counters["file_MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
}
BENCHMARK(ImportTwee)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Hostile files of 20 MB or more: work that grew with the square of the file took minutes on them.
std::string Hostile(int kind)
{
    constexpr std::size_t Size = 20u * 1024u * 1024u;
    switch (kind) {
    case 0:
        return "<tw-storydata name=\"A\"><tw-passagedata name=\"S\">" + std::string(Size, '&');
    case 1: {
        std::string stories;
        while (stories.size() < Size) {
            stories += "<tw-storydata name=\"Unclosed\">";
        }
        return stories;
    }
    case 2: {
        std::string passages;
        while (passages.size() < Size) {
            passages += ":: P\n<<goto $x>>(go-to:[[[[<<link \"a\"\n";
        }
        return passages;
    }
    default: {
        // Five million links, in one passage or a thousand to each.
        const bool one = kind == 3;
        std::string links = ":: 1\n";
        links.reserve(27u * 1024u * 1024u);
        for (int link = 0; link < 5'000'000; ++link) {
            if (!one && link > 0 && link % 1000 == 0) {
                links += "\n:: " + std::to_string(link / 1000 + 1) + "\n";
            }
            links += "[[1]]";
        }
        return links;
    }
    }
}

void ReadHostileTwine(benchmark::State& state)
{
    const std::string text = Hostile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        try {
            const Import::TwineFile file = Import::ReadTwineText(text, "hostile");
            Import::ImportWarnings warnings;
            benchmark::DoNotOptimize(Import::ImportStory(file.stories.front(), "hostile", warnings));
        } catch (const std::exception&) {
        }
    }
}
// 0: 20 MB of "&" in a passage; 1: unclosed stories; 2: unclosed and unread links; 3: five
// million links in one passage; 4: the same, a thousand to a passage.
BENCHMARK(ReadHostileTwine)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
