// Texts of the executable's string table (resources/string_table.inc).
#pragma once

#include <string>

#include "resource.h"

// The text of string `id`, or "" when the table has no such entry. On Linux the backslashes of
// path fragments come back as '/'.
std::wstring LoadStringResource(unsigned id);
