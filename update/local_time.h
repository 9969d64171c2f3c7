// Conversion of a calendar time to the local time zone, behind one portable call.
#pragma once

#include <ctime>

// Fills `out` with `when` in local time; false when the conversion fails (then `out` is unset).
bool ToLocalTime(std::time_t when, std::tm& out);
