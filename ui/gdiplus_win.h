// GDI+ as MinGW declares it: its headers need windows.h and objidl.h (IStream, PROPID) first,
// an order that include sorting must not change.
#pragma once

// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on
