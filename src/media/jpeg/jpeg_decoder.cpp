#include "media/jpeg/jpeg_decoder.h"
namespace qv {
int JpgDecodeFrame(JpgContext&, const uint8_t*, size_t, Picture&, int32_t*, uint32_t*) {
    return -1;
}
int JpgDecodeDc(JpgContext&, const uint8_t*, size_t, uint8_t*, int32_t*, int32_t*, int, int) {
    return -1;
}
}  // namespace qv
