// Entry names: from the archive's bytes to the name the reader reports.
#pragma once

#include <string>

#include "install/zip_format.h"

// The name bytes as UTF-8, whatever the entry's flags say; each byte of a malformed sequence
// becomes U+FFFD. Characters past U+FFFF become surrogate pairs where wchar_t has 16 bits.
std::wstring DecodeZipName(ZipBytes bytes);

// Drops drive prefixes, leading separators and everything up to a parent step ("\..\",
// "\../", "/../", "/..\"), case by case in that order, until none applies: "C:\a\..\b.txt"
// becomes "b.txt", "/x/../y/z.ini" becomes "y/z.ini". A name such as "../x" passes unchanged;
// the extraction refuses it.
std::wstring StripZipName(std::wstring name);
