// Copying decoded samples into the context's planes, which keep them for the focus measure and
// for the next frame (whose rows a damaged scan does not reach show this frame's samples).
#pragma once

#include <cstddef>

namespace qv {

// Copies size bytes. With SSE2 or AVX2 active, a 16-byte aligned destination and a multiple of
// 64 bytes, streaming stores write the destination without fetching its old lines into the
// cache first: the planes are not read again while the frame is decoded.
void StorePlaneBytes(void* dst, const void* src, size_t size);

}  // namespace qv
