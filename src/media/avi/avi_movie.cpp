#include "media/avi/avi_movie.h"
namespace qv {
AviMovie::AviMovie(CameraMetadata& m, DisplayFlags& f, const DecoderSwitches& s, DiagnosticsLog* l)
    : metadata_(m), flags_(f), jpeg_(m, f, s, l) {}
AviMovie::~AviMovie() = default;
int AviMovie::AviOpen(const std::string&) {
    return -1;
}
void AviMovie::AviClose() {}
int AviMovie::AviReadFrame(int, uint8_t*, size_t, uint32_t*, uint32_t*) {
    return -3;
}
int AviMovie::AviReadFrame(int, uint32_t*, uint32_t*) {
    return -3;
}
int AviMovie::AviStepFrame(int) {
    return -1;
}
int AviMovie::AviDecodeCurrent(const uint8_t*, size_t, Picture&) {
    return -1;
}
int AviMovie::AviDecodeCurrent(Picture&) {
    return -1;
}
int AviMovie::ScanForEvent(int, int) {
    return -1;
}
ClockSources AviMovie::Clocks() const {
    return {};
}
}  // namespace qv
