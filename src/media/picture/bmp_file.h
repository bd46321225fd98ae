// Windows bitmap files (24-bit, uncompressed) for saved and decoded pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/picture/picture.h"

namespace qv {

// The bytes of a 24-bit bottom-up bitmap file of the picture: file header, info header, rows padded
// to four bytes.
std::vector<uint8_t> EncodeBmp24(const Picture& picture);

// Writes the picture as a bitmap file. False with a reason in error when the file cannot be
// written.
bool WriteBmp24(const std::string& path, const Picture& picture, std::string& error);

// Reads a 24-bit uncompressed bitmap (bottom-up or top-down) back into a picture.
bool DecodeBmp24(const std::vector<uint8_t>& bytes, Picture& out);

}  // namespace qv
