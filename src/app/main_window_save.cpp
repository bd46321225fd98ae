// Saving the picture on screen: a camera AVI frame as its stored JPEG bytes (camera segments
// included), an MPEG-4 picture as a 24-bit bitmap.
#include <cstdio>

#include "app/main_window.h"
#include "media/picture/bmp_file.h"
#include "platform/output_file.h"

namespace qv::app {

std::string SaveFrameName(int type, int number) {
    char name[32];
    if (type == kTkm)
        std::snprintf(name, sizeof name, "tkfrm%6.6x.bmp", static_cast<unsigned>(number));
    else
        std::snprintf(name, sizeof name, "tkfrm%5.5d%s", number, type == kAvi ? ".jpg" : ".bmp");
    return name;
}

int MainWindowLogic::CurrentFrameNumber() const {
    return movie_.nType == kAvi ? media_.avi.CurrentFrame() + 1 : movie_.nCurFrame + 1;
}

void MainWindowLogic::SaveCurrent1Click() {
    if (movie_.nType == kNone) return;
    // The File menu names a .tkm picture by its place in the stream.
    SaveCurrentFrame(movie_.nType == kTkm ? movie_.nPosKB : CurrentFrameNumber());
}

void MainWindowLogic::SaveCurrent2Click() {
    if (movie_.nType != kNone) SaveCurrentFrame(CurrentFrameNumber());
}

void MainWindowLogic::SaveCurrentFrame(int number) {
    const size_t slash = movie_.szPath.find_last_of('/');
    SaveDialogRequest request;
    request.folder =
        slash == std::string::npos ? std::string() : movie_.szPath.substr(0, slash + 1);
    request.file_name = SaveFrameName(movie_.nType, number);
    request.filter_label = "JPG";
    request.filter_pattern = "*.JPG";
    request.default_extension = "jpg";
    const std::string path = platform_.RunSaveDialog(request);
    if (path.empty()) return;
    platform::OutputFile out;
    bool written = out.Open(path, movie_.szPath);
    if (written && movie_.nType == kAvi) {
        written = out.Write(media_.avi.FrameData(), media_.avi.FrameSize());
    } else if (written) {
        const Picture* picture = ui_.picture;
        if (picture) {
            const std::vector<uint8_t> bmp = EncodeBmp24(*picture);
            written = out.Write(bmp.data(), bmp.size());
        }
    }
    // A save that fails is said, where the camera software stayed silent.
    if (!written || !out.Commit()) platform_.ShowErrorBox(out.Error(), "Error");
}

}  // namespace qv::app
