// What a skinned window should show, computed from its pictures: decoding a PNG resource into
// pixels, drawing one picture over another as GDI+ does, the hover brightening, and comparing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tests/win/driver/screenshot.h"

// The pixels of PNG resource `id` (non-premultiplied ARGB); empty when it does not load.
Picture DecodePngResource(WORD id);

// `top` (with its alpha) drawn over the opaque `bottom` at (x, y); the result keeps `bottom`'s
// size.
Picture DrawOver(const Picture& bottom, const Picture& top, int x = 0, int y = 0);
// The hover look's colour matrix: red, green and blue times 1.05 plus 0.05 (of 255), clamped.
Picture Brighten(const Picture& picture);

// Pixels whose red, green or blue differ by more than `tolerance`; pictures of different sizes
// count as all different.
int CountDifferences(const Picture& actual, const Picture& expected, int tolerance);
