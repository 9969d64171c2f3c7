// The archive the executable carries (resource "ZIP" 269 on Windows, a data array in the Linux
// binary): the default systemset.ini and uninstall.ico.
#pragma once

#include <span>

// The archive's bytes, valid for the life of the process; empty when the executable has none.
std::span<const unsigned char> EmbeddedArchiveBytes();
