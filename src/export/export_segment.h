// Exporting a range of frames of the open camera AVI: as a new camera AVI that keeps the source's
// header and the stored JPEG bytes of every frame, or as numbered JPEG files.
#pragma once

#include <string>

#include "export/export_source.h"
#include "export/export_window.h"

namespace qv::exports {

// g_nExportMode.
enum ExportMode : int { kExportAvi = 0, kExportJpeg = 1 };

// Results of ExportSegment.
constexpr int kExportOk = 0;
constexpr int kExportRefused = -1;      // the range is refused, or no header buffer
constexpr int kExportNoMemory = -2;     // no position table
constexpr int kExportWriteFailed = -3;  // an output could not be written (reported)
constexpr int kExportOntoSource = -4;   // the output is the recording itself (reported)

// Exports frames first .. last (zero-based, last included), every step-th, to path (the movie,
// or the pattern name of the JPEG files: park_.jpg gives park_00001.jpg, ...).
int ExportSegment(ExportSource& source, int first, int last, int step, const std::string& path,
                  int mode, ExportWindow& window);

// The name of the JPEG file of frame (zero-based) for a pattern path.
std::string SequenceFileName(const std::string& pattern, int frame);

}  // namespace qv::exports
