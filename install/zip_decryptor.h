// The traditional PKWARE stream cipher of encrypted ZIP entries (decryption only).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class ZipDecryptor {
public:
    // Keys set up from `password` (this system's password is always empty).
    explicit ZipDecryptor(std::string_view password = {});

    unsigned char Decrypt(unsigned char byte);
    void DecryptInPlace(unsigned char* bytes, std::size_t size);

private:
    void UpdateKeys(unsigned char plain);

    std::uint32_t m_keys[3];
};
