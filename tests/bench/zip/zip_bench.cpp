// ZipArchive extracting every entry of an archive, the way the installation does: the count,
// then GetEntry and ExtractEntry of each index to its own name.
//   zip_bench [benchmark flags]      runs the benchmark on $TORVANE_ZIP_BENCH_ARCHIVE into a
//                                    fresh temporary folder per iteration
//   zip_bench --once ARCHIVE FOLDER  extracts ARCHIVE into FOLDER once: zip_compare.sh times
//                                    this against unzip and bsdtar
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "install/zip_archive.h"
#include "platform/utf8.h"
#include "update/unique_fd_posix.h"

namespace {

// The archive mapped into memory: the reader takes the caller's buffer as it is.
class MappedFile {
public:
    explicit MappedFile(const char* path) {
        const UniqueFd file(::open(path, O_RDONLY | O_CLOEXEC));
        struct stat info {};
        if (!file || ::fstat(file.Get(), &info) != 0 || info.st_size == 0) {
            return;
        }
        void* data = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE,
                            file.Get(), 0);
        if (data != MAP_FAILED) {
            m_data = data;
            m_size = static_cast<std::size_t>(info.st_size);
        }
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile() {
        if (m_data != nullptr) {
            ::munmap(m_data, m_size);
        }
    }

    const void* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

private:
    void* m_data = nullptr;
    std::size_t m_size = 0;
};

// Extracts every entry; the number that failed, or -1 when the archive does not open.
int ExtractAll(const MappedFile& archiveFile, const std::string& folder) {
    ZipArchive archive;
    if (archiveFile.Data() == nullptr ||
        archive.Open(archiveFile.Data(), archiveFile.Size()) != kZipOk) {
        return -1;
    }
    archive.SetBaseFolder(Utf8ToWide(folder));
    ZipEntryInfo count;
    archive.GetEntry(-1, count);
    int failed = 0;
    for (int index = 0; index < count.index; ++index) {
        ZipEntryInfo entry;
        if (archive.GetEntry(index, entry) != kZipOk ||
            archive.ExtractEntry(index, entry.name) != kZipOk) {
            ++failed;
        }
    }
    archive.Close();
    return failed;
}

void BM_ExtractAll(benchmark::State& state, const std::string& path) {
    const MappedFile archive(path.c_str());
    const auto root = std::filesystem::temp_directory_path() /
                      ("torvane-zip-bench-" + std::to_string(std::random_device()()));
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        state.ResumeTiming();
        if (ExtractAll(archive, root.string()) != 0) {
            state.SkipWithError("extraction failed");
            break;
        }
    }
    std::filesystem::remove_all(root);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(archive.Size()));
}

int ExtractOnce(const char* archivePath, const char* folder) {
    const MappedFile archive(archivePath);
    const int failed = ExtractAll(archive, folder);
    if (failed != 0) {
        std::fprintf(stderr, "zip_bench: %s: %d entries failed\n", archivePath, failed);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--once") == 0) {
        return ExtractOnce(argv[2], argv[3]);
    }
    const char* archive = std::getenv("TORVANE_ZIP_BENCH_ARCHIVE");
    if (archive == nullptr) {
        std::fprintf(stderr,
                     "zip_bench: set TORVANE_ZIP_BENCH_ARCHIVE (zip_compare.sh makes one)\n");
        return 2;
    }
    benchmark::RegisterBenchmark("ZipArchive/ExtractAll", BM_ExtractAll, std::string(archive))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
