#include "install/zip_archive.h"

#include <algorithm>
#include <climits>
#include <new>

#include "app/path_separator.h"
#include "install/zip_entry_fields.h"
#include "install/zip_entry_reader.h"
#include "install/zip_name.h"
#include "install/zip_output.h"
#include "install/zip_target.h"

namespace {

bool EndsWithSeparator(const std::wstring& folder) {
    return !folder.empty() && (folder.back() == L'/' || folder.back() == kPathSeparator);
}

// The folder with a separator at its end; empty when it is empty, holds a NUL or does not fit.
std::wstring AsBaseFolder(std::wstring folder) {
    if (folder.empty() || folder.find(L'\0') != std::wstring::npos) {
        return L"";
    }
    if (!EndsWithSeparator(folder)) {
        folder += kPathSeparator;
    }
    return folder.size() <= kZipMaxPath ? folder : L"";
}

// The base folder when missing (its parent is not made), then each level that is missing.
void CreateFolderChain(const std::vector<std::wstring>& folders) {
    for (const std::wstring& folder : folders) {
        if (!ZipPathExists(folder)) {
            ZipCreateFolder(folder);
        }
    }
}

}  // namespace

ZipArchive::~ZipArchive() {
    Close();
}

ZipResult ZipArchive::Open(const void* buffer, std::size_t length) {
    if (m_open) {
        return kZipAlreadyOpen;
    }
    m_baseFolder = AsBaseFolder(ZipCurrentFolder());
    const ZipBytes source(static_cast<const unsigned char*>(buffer),
                          buffer != nullptr ? length : 0);
    ZipEndRecord end;
    if (!FindZipEndRecord(source, end)) {
        return kZipCannotOpen;
    }
    m_open = true;
    m_source = source;
    m_end = end;
    m_cachedIndex = -1;
    m_unreachableFrom = INT_MAX;
    m_cursorValid = false;
    MoveCursor(0);
    return kZipOk;
}

ZipResult ZipArchive::SetBaseFolder(const std::wstring& folder) {
    std::wstring base = AsBaseFolder(folder);
    if (base.empty()) {
        return kZipBadArgument;
    }
    m_baseFolder = std::move(base);
    return kZipOk;
}

ZipResult ZipArchive::GetEntry(int index, ZipEntryInfo& info) {
    if (!m_open || index < -1 || index >= static_cast<int>(m_end.totalEntries)) {
        return kZipBadArgument;
    }
    if (index == -1) {
        info = ZipEntryInfo{};
        info.index = static_cast<std::int32_t>(m_end.totalEntries);
        return kZipOk;
    }
    if (index == m_cachedIndex) {
        info = m_cachedInfo;
        return kZipOk;
    }
    ZipEntryInfo loaded;
    ZipLocalHeader local;
    if (const ZipResult result = LoadEntry(index, loaded, local); result != kZipOk) {
        return result;
    }
    m_cachedIndex = index;
    m_cachedInfo = loaded;
    info = loaded;
    return kZipOk;
}

ZipResult ZipArchive::ExtractEntry(int index, const std::wstring& target) {
    if (!m_open || index < 0 || index >= static_cast<int>(m_end.totalEntries)) {
        return kZipBadArgument;
    }
    ZipEntryInfo info;
    ZipLocalHeader local;
    if (const ZipResult result = LoadEntry(index, info, local); result != kZipOk) {
        return result;
    }
    const bool isFolder = (info.attributes & kZipAttributeFolder) != 0;
    ZipTargetPath path;
    if (!ResolveZipTarget(m_baseFolder, target,
                          isFolder ? ZipTargetKind::kFolder : ZipTargetKind::kFile, path)) {
        return kZipCannotOpen;
    }
    if (isFolder) {
        CreateFolderChain(path.folders);
        return ZipIsFolder(path.folders.back()) ? kZipOk : kZipCannotOpen;
    }
    return ExtractFile(info, local, path);
}

ZipResult ZipArchive::Close() {
    m_open = false;
    m_source = {};
    m_end = {};
    m_cursorValid = false;
    m_cursorIndex = 0;
    m_unreachableFrom = INT_MAX;
    m_baseFolder.clear();
    m_cachedIndex = -1;
    m_inputBuffer.reset();
    m_outputBuffer.reset();
    m_inflate.End();
    return kZipOk;
}

// Walks the central directory one header at a time, from the current entry or, for an earlier
// one, from the first. A header that cannot be read makes it and every later entry unreachable,
// so a damaged directory is not walked again and again.
bool ZipArchive::MoveCursor(int index) {
    if (index >= m_unreachableFrom) {
        return false;
    }
    if (!m_cursorValid || index < m_cursorIndex) {
        m_cursorIndex = 0;
        m_cursorValid =
            ReadZipCentralHeader(m_source, m_end.bytesInFront + m_end.directoryOffset, m_cursor);
    }
    while (m_cursorValid && m_cursorIndex < index) {
        m_cursorValid = ReadZipCentralHeader(m_source, m_cursor.NextPosition(), m_cursor);
        ++m_cursorIndex;
    }
    if (!m_cursorValid) {
        m_unreachableFrom = m_cursorIndex;
    }
    return m_cursorValid;
}

ZipResult ZipArchive::LoadEntry(int index, ZipEntryInfo& info, ZipLocalHeader& local) {
    if (!MoveCursor(index)) {
        return kZipHeaderMismatch;
    }
    if (const ZipResult result = ReadZipLocalHeader(m_source, m_end, m_cursor, local);
        result != kZipOk) {
        return result;
    }
    const std::wstring name = StripZipName(DecodeZipName(m_cursor.name));
    if (name.size() >= kZipNameCapacity || name.find(L'\0') != std::wstring::npos) {
        return kZipCannotOpen;
    }
    ZipFileTimes times;
    if (const ZipResult result = ReadZipEntryTimes(m_cursor.dosDateTime, local.extra, times);
        result != kZipOk) {
        return result;
    }
    info = ZipEntryInfo{};
    info.index = index;
    std::copy(name.begin(), name.end(), info.name);
    info.attributes = MapZipAttributes(m_cursor.versionMadeBy, m_cursor.externalAttributes);
    info.accessTime = times.access;
    info.creationTime = times.creation;
    info.writeTime = times.write;
    info.compressedSize = static_cast<std::int32_t>(m_cursor.compressedSize);
    info.uncompressedSize = static_cast<std::int32_t>(m_cursor.uncompressedSize);
    return kZipOk;
}

// The entry's data is checked (sizes, check byte) before its folders and file are made, so a
// damaged entry leaves nothing behind and does not cut short a file it would have replaced.
ZipResult ZipArchive::ExtractFile(const ZipEntryInfo& info, const ZipLocalHeader& local,
                                  const ZipTargetPath& path) {
    ZipEntryData data;
    if (!LocateZipEntryData(m_source, m_cursor, local, data)) {
        return kZipDataError;
    }
    if (!AllocateBuffers()) {
        return kZipDataError;
    }
    ZipEntryReader reader(data, m_inflate, m_inputBuffer.get(), m_outputBuffer.get());
    if (const ZipResult result = reader.Start(); result != kZipOk) {
        return result;
    }
    CreateFolderChain(path.folders);
    const ZipFileTimes times{info.creationTime, info.accessTime, info.writeTime};
    return WriteZipFile(path.file, info.attributes, times, reader);
}

bool ZipArchive::AllocateBuffers() {
    if (!m_inputBuffer) {
        m_inputBuffer.reset(new (std::nothrow) unsigned char[kZipBufferSize]);
    }
    if (!m_outputBuffer) {
        m_outputBuffer.reset(new (std::nothrow) unsigned char[kZipBufferSize]);
    }
    return m_inputBuffer && m_outputBuffer;
}
