#include "media/jpeg/jpeg_context.h"
namespace qv {
JpgContext::JpgContext(CameraMetadata& m, DisplayFlags& f, const DecoderSwitches& s,
                       DiagnosticsLog* l)
    : metadata(m), flags(f), switches(s), log(l) {}
int JpgContext::AllocatePlanes(int, int) {
    return 3;
}
void JpgContext::FreePlanes() {}
}  // namespace qv
