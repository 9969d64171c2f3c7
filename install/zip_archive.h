// Reads a ZIP archive that lies whole in the caller's memory and extracts its entries into a
// folder. The buffer is never copied and must stay valid until Close.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "install/zip_format.h"
#include "install/zip_inflate_stream.h"
#include "install/zip_result.h"
#include "install/zip_target.h"

inline constexpr std::size_t kZipNameCapacity = 260;

// One entry as GetEntry reports it. Times are file times: 100 ns ticks since 1601-01-01 UTC.
struct ZipEntryInfo {
    std::int32_t index = 0;
    wchar_t name[kZipNameCapacity] = {};
    // Windows attribute bits: 0x01 read-only, 0x02 hidden, 0x04 system, 0x10 folder, 0x20 archive.
    std::uint32_t attributes = 0;
    std::uint64_t accessTime = 0;
    std::uint64_t creationTime = 0;
    std::uint64_t writeTime = 0;
    std::int32_t compressedSize = 0;
    std::int32_t uncompressedSize = 0;
};

class ZipArchive {
public:
    ZipArchive() = default;
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ~ZipArchive();

    // Opens the archive held in `buffer`; the base folder becomes the current folder.
    ZipResult Open(const void* buffer, std::size_t length);
    // The folder that relative targets go under; a separator is appended when missing. An empty
    // folder or one that does not fit 259 characters with its separator is refused
    // (kZipBadArgument) and the previous one stays.
    ZipResult SetBaseFolder(const std::wstring& folder);
    // Index -1 asks for the count: `info.index` becomes the number of entries, everything else
    // is empty or 0. Any other index fills `info` for that entry.
    ZipResult GetEntry(int index, ZipEntryInfo& info);
    // Extracts the entry to `target`, a path relative to the base folder (normally the entry's
    // own name). Targets that are absolute, name a drive or share, climb out with "..", or make
    // a path longer than 259 characters are refused with kZipCannotOpen before anything is
    // created. A file that fails part way is removed again.
    ZipResult ExtractEntry(int index, const std::wstring& target);
    // Releases everything; always 0.
    ZipResult Close();

private:
    bool MoveCursor(int index);
    ZipResult LoadEntry(int index, ZipEntryInfo& info, ZipLocalHeader& local);
    ZipResult ExtractFile(const ZipEntryInfo& info, const ZipLocalHeader& local,
                          const ZipTargetPath& path);
    bool AllocateBuffers();

    bool m_open = false;
    ZipBytes m_source;
    ZipEndRecord m_end;
    // The entry whose central header the cursor holds.
    int m_cursorIndex = 0;
    bool m_cursorValid = false;
    ZipCentralHeader m_cursor;
    // The first entry the cursor cannot reach (a damaged header on the way).
    int m_unreachableFrom = 0;
    std::wstring m_baseFolder;
    int m_cachedIndex = -1;
    ZipEntryInfo m_cachedInfo;
    std::unique_ptr<unsigned char[]> m_inputBuffer;
    std::unique_ptr<unsigned char[]> m_outputBuffer;
    ZipInflateStream m_inflate;
};
