#include "app/zoom.h"

namespace qv::app {

std::string ZoomText(int zoom) {
    if (zoom == 0) return "Zoom = Variable";
    if (zoom >= 100) return "Zoom = " + std::to_string(zoom / 100);
    return "Zoom = 0." + std::to_string(zoom);
}

int NextClickZoom(int zoom) {
    switch (zoom) {
        case 50:
            return 100;
        case 100:
            return 200;
        case 200:
            return 50;
        default:
            return zoom;
    }
}

void ZoomedImageSize(int zoom, int picture_width, int picture_height, int box_width, int box_height,
                     int& width, int& height) {
    if (zoom <= 0) {
        width = box_width;
        height = box_height;
    } else if (picture_width <= 0) {
        width = 640;
        height = 480;
    } else {
        // 64-bit so a large zoom from the settings file cannot overflow.
        width = static_cast<int>(static_cast<long long>(picture_width) * zoom / 100);
        height = static_cast<int>(static_cast<long long>(picture_height) * zoom / 100);
    }
}

Rect CenteredImage(int zoom, int image_width, int image_height, int box_width, int box_height) {
    if (zoom <= 0) return {0, 0, box_width, box_height};
    Rect r{0, 0, image_width, image_height};
    if (image_width < box_width) r.left = (box_width - image_width) / 2;
    if (image_height < box_height) r.top = (box_height - image_height) / 2;
    return r;
}

}  // namespace qv::app
