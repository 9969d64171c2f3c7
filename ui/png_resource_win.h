// Finding a PNG resource of the executable and putting a COM stream over a copy of its bytes:
// the steps that the image and bitmap loaders share.
#pragma once

#include <objidl.h>
#include <windows.h>

#include <span>

#include "platform/win/com_ptr.h"

// The bytes of PNG resource `id` of the executable, or an empty span when it is missing, empty or
// cannot be loaded.
std::span<const BYTE> FindPngResource(WORD id);

// A stream over `block` that leaves the block to its owner when it is released; empty on failure.
ComPtr<IStream> StreamOverBlock(HGLOBAL block);
