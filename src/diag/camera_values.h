// The camera values of the frame on screen as the "KMX Debug Info" group shows them: firmware and
// FPGA revisions, colour statistics, luma, exposure, gain, battery, retries, exposure type, white
// balance and temperature; "n/a" for a value no segment has set yet.
#pragma once

#include <string>

#include "media/jpeg/camera_metadata.h"

namespace qv::diag {

struct CameraValueTexts {
    std::string lblFWRev, lblFPGARev, lblAWBSamples, lblRGBAvg, lblRGBGain;
    std::string lblLuma, lblLuma1, lblLuma2, lblRawExpo, lblPhysExpo, lblAEGain;
    std::string lblBatt, lblBatt2, lblFRC, lblExpType, lblWBMode, lblTemp;
};

// Fills the texts in place, so refreshing them after every frame reuses their storage.
void DescribeCameraValues(const CameraMetadata& m, CameraValueTexts& out);

// The camera's white-balance modes 0..6 and exposure types 0..3 by name; null beyond the table.
const char* WhiteBalanceWord(int mode);
const char* ExposureTypeWord(int type);

}  // namespace qv::diag
