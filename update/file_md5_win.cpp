#include <windows.h>

#include <memory>
#include <new>

#include "platform/win/win_handles.h"
#include "update/digest_text.h"
#include "update/file_md5.h"

namespace {

struct CryptProviderTraits {
    using Handle = HCRYPTPROV;
    static Handle Invalid() { return 0; }
    static void Close(Handle h) { ::CryptReleaseContext(h, 0); }
};

struct CryptHashTraits {
    using Handle = HCRYPTHASH;
    static Handle Invalid() { return 0; }
    static void Close(Handle h) { ::CryptDestroyHash(h); }
};

using UniqueCryptProvider = UniqueHandle<CryptProviderTraits>;
using UniqueCryptHash = UniqueHandle<CryptHashTraits>;

constexpr DWORD kChunkBytes = static_cast<DWORD>(kMd5ChunkSize);

// Reads to the end of the file one chunk at a time, so neither memory nor a 32-bit size limits
// the files we can hash.
bool HashFileContents(HANDLE file, HCRYPTHASH hash) {
    const auto buffer = std::make_unique_for_overwrite<BYTE[]>(kChunkBytes);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file, buffer.get(), kChunkBytes, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            return true;
        }
        if (!::CryptHashData(hash, buffer.get(), read, 0)) {
            return false;
        }
    }
}

bool AppendHashValue(HCRYPTHASH hash, std::wstring& text) {
    DWORD length = 0;
    if (!::CryptGetHashParam(hash, HP_HASHVAL, nullptr, &length, 0)) {
        return false;
    }
    const auto digest = std::make_unique_for_overwrite<BYTE[]>(length);
    if (!::CryptGetHashParam(hash, HP_HASHVAL, digest.get(), &length, 0)) {
        return false;
    }
    AppendDigestText(text, digest.get(), length);
    return true;
}

bool ComputeFileMd5(const std::wstring& path, std::wstring& text) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    UniqueCryptProvider provider;
    if (!::CryptAcquireContextW(provider.Receive(), nullptr, nullptr, PROV_RSA_FULL,
                                CRYPT_VERIFYCONTEXT)) {
        return false;
    }
    UniqueCryptHash hash;
    if (!::CryptCreateHash(provider.Get(), CALG_MD5, 0, 0, hash.Receive())) {
        return false;
    }
    if (!HashFileContents(file.Get(), hash.Get())) {
        return false;
    }
    file.Reset();
    if (!AppendHashValue(hash.Get(), text)) {
        return false;
    }
    // Destroyed and released by hand here, because a failure of either one fails the digest.
    const bool destroyed = ::CryptDestroyHash(hash.Release());
    const bool released = ::CryptReleaseContext(provider.Release(), 0);
    return destroyed && released;
}

}  // namespace

bool GetFileMd5(const std::wstring& path, std::wstring& text) {
    try {
        return ComputeFileMd5(path, text);
    } catch (const std::bad_alloc&) {
        return false;
    }
}
