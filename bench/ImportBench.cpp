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
    TweeExporter().Export(*model, twee);
    const std::string text = twee.str();
    for (auto _ : state) {
        const TwineFile file = ReadTwineText(text, "book.twee");
        std::vector<std::string> warnings;
        benchmark::DoNotOptimize(ImportStory(file.stories.front(), "book.twee", warnings));
    }
    state.counters["file_MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
}
BENCHMARK(ImportTwee)->Arg(400)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
