// The folders and files the ZIP reader creates, one implementation per platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "install/zip_format.h"
#include "install/zip_result.h"

// File times: 100 ns ticks since 1601-01-01 UTC.
struct ZipFileTimes {
    std::uint64_t creation = 0;
    std::uint64_t access = 0;
    std::uint64_t write = 0;
};

// Whether anything (file or folder) exists at `path`.
bool ZipPathExists(const std::wstring& path);
bool ZipIsFolder(const std::wstring& path);
// Creates one folder whose parent exists; false when that fails.
bool ZipCreateFolder(const std::wstring& path);
// The process's current folder; empty when it cannot be had.
std::wstring ZipCurrentFolder();
// Whether `name` may name a file or folder of its own here. Windows refuses device names
// ("CON", "nul.txt", "COM1") and colons (alternate data streams); Linux takes every name.
bool IsOrdinaryZipFileName(std::wstring_view name);

// Hands out an entry's bytes one piece at a time.
class ZipPieceSource {
public:
    // The next piece (possibly empty), and whether it completes the entry; a failure code ends
    // the entry.
    virtual ZipResult NextPiece(ZipBytes& piece, bool& last) = 0;

protected:
    ~ZipPieceSource() = default;
};

// Hands every piece of `source` to `write` (bool(ZipBytes)) until the last one. kZipWriteFailed
// when a write fails, or the source's own failure.
template <typename Write>
ZipResult CopyZipPieces(ZipPieceSource& source, Write write) {
    for (;;) {
        ZipBytes piece;
        bool last = false;
        if (const ZipResult result = source.NextPiece(piece, last); result != kZipOk) {
            return result;
        }
        if (!write(piece)) {
            return kZipWriteFailed;
        }
        if (last) {
            return kZipOk;
        }
    }
}

// Creates the file at `path` (replacing an existing one) with the Windows attribute bits
// `attributes` (Linux keeps read-only as permission bits without write access), writes every
// piece of `source` into it and stamps it with `times` (Linux cannot set the creation time).
// kZipCannotOpen when the file cannot be created (an existing read-only file included),
// kZipWriteFailed when writing fails, or the source's own failure; after any failure no file is
// left at `path`.
ZipResult WriteZipFile(const std::wstring& path, std::uint32_t attributes,
                       const ZipFileTimes& times, ZipPieceSource& source);
