// GetFileMd5 over a 256 MiB file.
//   md5_bench [benchmark flags]   runs the benchmark; the file is $TORVANE_MD5_BENCH_FILE when
//                                 set, else a temporary one made (and removed) here
//   md5_bench --once FILE         prints the digest of FILE once: md5_compare.sh times this
//                                 against openssl and md5sum, and measures its peak memory
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/utf8.h"
#include "update/file_md5.h"

namespace {

constexpr std::size_t kFileSize = std::size_t{256} << 20;

std::filesystem::path MakeTemporaryFile() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("torvane-md5-bench-" + std::to_string(std::random_device()()));
    std::ofstream file(path, std::ios::binary);
    std::mt19937_64 random(1);
    std::string block(std::size_t{1} << 20, '\0');
    for (std::size_t written = 0; written < kFileSize; written += block.size()) {
        for (std::size_t i = 0; i + 8 <= block.size(); i += 8) {
            const std::uint64_t value = random();
            std::memcpy(block.data() + i, &value, 8);
        }
        file.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    return path;
}

// Peak resident memory of this process so far, in KiB (VmHWM).
long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

void BM_GetFileMd5(benchmark::State& state, const std::wstring& path) {
    for (auto _ : state) {
        std::wstring text;
        if (!GetFileMd5(path, text)) {
            state.SkipWithError("GetFileMd5 failed");
            break;
        }
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    state.counters["peak_rss_kib"] = static_cast<double>(PeakResidentKiB());
}

int PrintDigestOnce(const char* file) {
    std::wstring text;
    if (!GetFileMd5(Utf8ToWide(file), text)) {
        std::fprintf(stderr, "md5_bench: cannot hash %s\n", file);
        return 1;
    }
    std::printf("%s  %s\n", WideToUtf8(text).c_str(), file);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--once") == 0) {
        return PrintDigestOnce(argv[2]);
    }
    const char* given = std::getenv("TORVANE_MD5_BENCH_FILE");
    const std::filesystem::path path = given != nullptr ? given : MakeTemporaryFile();
    benchmark::RegisterBenchmark("GetFileMd5/256MiB", BM_GetFileMd5, Utf8ToWide(path.string()))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (given == nullptr) {
        std::filesystem::remove(path);
    }
    return 0;
}
