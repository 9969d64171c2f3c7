#include "install/zip_decryptor.h"

#include <zlib.h>

namespace {

std::uint32_t Crc32Step(std::uint32_t crc, unsigned char byte) {
    return get_crc_table()[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

}  // namespace

ZipDecryptor::ZipDecryptor(std::string_view password) : m_keys{0x12345678, 0x23456789, 0x34567890} {
    for (const char c : password) {
        UpdateKeys(static_cast<unsigned char>(c));
    }
}

void ZipDecryptor::UpdateKeys(unsigned char plain) {
    m_keys[0] = Crc32Step(m_keys[0], plain);
    m_keys[1] = (m_keys[1] + (m_keys[0] & 0xFF)) * 134775813 + 1;
    m_keys[2] = Crc32Step(m_keys[2], static_cast<unsigned char>(m_keys[1] >> 24));
}

unsigned char ZipDecryptor::Decrypt(unsigned char byte) {
    const std::uint32_t temp = (m_keys[2] & 0xFFFF) | 2;
    const auto plain = static_cast<unsigned char>(byte ^ ((temp * (temp ^ 1)) >> 8));
    UpdateKeys(plain);
    return plain;
}

void ZipDecryptor::DecryptInPlace(unsigned char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = Decrypt(bytes[i]);
    }
}
