// The text form of a digest.
#pragma once

#include <cstddef>
#include <string>

// Appends each byte as two lower-case hexadecimal digits ("%02x").
void AppendDigestText(std::wstring& text, const unsigned char* digest, std::size_t length);
