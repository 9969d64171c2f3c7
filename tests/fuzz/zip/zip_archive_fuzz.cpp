// Arbitrary bytes as an archive: Open, the count, then GetEntry and ExtractEntry of every entry
// to its own name, into <temp>/torvane-zip-fuzz-<pid>/a/b/base. Afterwards the folders around
// "base" must hold nothing else (a name climbing out by up to three levels would show there),
// and every extracted file must have its entry's size. The folders are made and removed for each
// input, so that nothing is left when libFuzzer ends the process.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "install/zip_archive.h"
#include "platform/utf8.h"

namespace {

namespace fs = std::filesystem;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class Sandbox {
public:
    Sandbox()
        : m_root(fs::temp_directory_path() / ("torvane-zip-fuzz-" + std::to_string(::getpid()))),
          m_base(m_root / "a" / "b" / "base") {
        fs::remove_all(m_root);
        fs::create_directories(m_base.parent_path());
    }
    ~Sandbox() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    const fs::path& Base() const { return m_base; }

    // Each level from the root down holds only the next one (the base folder may be missing
    // when nothing was extracted).
    bool NothingOutsideBase() const {
        return HoldsOnly(m_root, "a") && HoldsOnly(m_root / "a", "b") &&
               HoldsOnly(m_root / "a" / "b", "base");
    }

private:
    static bool HoldsOnly(const fs::path& folder, const char* name) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename() != name) {
                return false;
            }
        }
        return true;
    }

    fs::path m_root;
    fs::path m_base;
};

bool HasTerminatedName(const ZipEntryInfo& info) {
    for (const wchar_t c : info.name) {
        if (c == L'\0') {
            return true;
        }
    }
    return false;
}

void ExtractEntry(ZipArchive& archive, const Sandbox& sandbox, int index) {
    ZipEntryInfo info;
    if (archive.GetEntry(index, info) != kZipOk) {
        return;
    }
    Require(info.index == index && HasTerminatedName(info));
    if (archive.ExtractEntry(index, info.name) != kZipOk || (info.attributes & 0x10) != 0) {
        return;
    }
    // Both separators count in entry names; the Linux build writes '/'.
    std::string name = WideToUtf8(info.name);
    std::replace(name.begin(), name.end(), '\\', '/');
    const fs::path file = sandbox.Base() / name;
    std::error_code error;
    Require(fs::file_size(file, error) == static_cast<std::uint32_t>(info.uncompressedSize));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ZipArchive archive;
    if (archive.Open(data, size) != kZipOk) {
        return 0;
    }
    const Sandbox sandbox;
    Require(archive.SetBaseFolder(Utf8ToWide(sandbox.Base().string())) == kZipOk);
    ZipEntryInfo count;
    Require(archive.GetEntry(-1, count) == kZipOk && count.index >= 0 && count.index <= 0xFFFF);
    for (int index = 0; index < count.index; ++index) {
        ExtractEntry(archive, sandbox, index);
    }
    ZipEntryInfo after;
    Require(archive.GetEntry(count.index, after) == kZipBadArgument);
    Require(archive.Close() == kZipOk);
    Require(sandbox.NothingOutsideBase());
    return 0;
}
