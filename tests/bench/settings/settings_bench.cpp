// Reading and writing the default settings file in a temporary folder, and the lookup on a large
// text (which must stay linear).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/profile_document.h"
#include "app/profile_file.h"
#include "platform/utf8.h"

namespace {

const std::string kDefaultFile =
    "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n"
    "[Setting]\r\nsoundoff=0\r\nautostart=0\r\nautologin=0\r\nscreenshots=Ctrl+Shift+A\r\n"
    "screentoggle=F10\r\nfullscreen=F11\r\n"
    "[Start]\r\nfirststart=1\r\n";

class DefaultFileInTemporaryFolder {
public:
    DefaultFileInTemporaryFolder() {
        std::random_device random;
        m_folder =
            std::filesystem::temp_directory_path() / ("settings_bench_" + std::to_string(random()));
        std::filesystem::create_directories(m_folder);
        std::ofstream(m_folder / "systemset.ini", std::ios::binary) << kDefaultFile;
        m_path = Utf8ToWide((m_folder / "systemset.ini").string());
    }
    ~DefaultFileInTemporaryFolder() { std::filesystem::remove_all(m_folder); }

    const std::wstring& Path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    std::wstring m_path;
};

void BM_ReadDefaultFile(benchmark::State& state) {
    const DefaultFileInTemporaryFolder file;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadProfileValue(L"Setting", L"fullscreen", L"0", file.Path()));
    }
}
BENCHMARK(BM_ReadDefaultFile);

// Alternating values, so that every iteration really replaces the file.
void BM_WriteDefaultFile(benchmark::State& state) {
    const DefaultFileInTemporaryFolder file;
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        benchmark::DoNotOptimize(
            WriteProfileValue(L"Setting", L"start", odd ? L"1001" : L"-1", file.Path()));
    }
}
BENCHMARK(BM_WriteDefaultFile);

// A key at the end of a text of state.range(0) short lines.
void BM_LookupInLargeText(benchmark::State& state) {
    std::string text = "[S]\r\n";
    for (int line = 0; line < state.range(0); ++line) {
        text += "key" + std::to_string(line) + "=value\r\n";
    }
    text += "last=1\r\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindProfileValue(text, "S", "last"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LookupInLargeText)->RangeMultiplier(8)->Range(64, 1 << 18)->Complexity();

}  // namespace

BENCHMARK_MAIN();
