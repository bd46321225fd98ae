// The picture's zoom: its texts, the cycle of a click on the picture and the size and place of the
// image inside the scroll box.
#pragma once

#include <string>

#include "app/ui_state.h"

namespace qv::app {

// "Zoom = Variable", "Zoom = 2", "Zoom = 0.50".
std::string ZoomText(int zoom);
// A click on the picture: 50 -> 100 -> 200 -> 50; any other zoom stays.
int NextClickZoom(int zoom);
// The image size at a zoom for a picture (640 x 480 before any movie gave a size). Zoom 0 fills the
// scroll box, so the size is the box's client size.
void ZoomedImageSize(int zoom, int picture_width, int picture_height, int box_width, int box_height,
                     int& width, int& height);
// The image's place in the scroll box client area: centred when smaller, else at the edge.
Rect CenteredImage(int zoom, int image_width, int image_height, int box_width, int box_height);

}  // namespace qv::app
