// What the AVI commands share: the movie with the state the player would pass it, opening with a
// one-line reason on failure, and the small argument and JSON helpers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "media/avi/avi_movie.h"

namespace qv::cli {

struct AviSession {
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    AviMovie movie{metadata, flags, switches};
};

// Opens the recording named in args into session; on failure prints the reason and returns
// false. A picture size beyond what the player shows fails a command that needs the picture; one
// that reads only the file (need_picture false) goes on after a one-line note.
bool OpenAvi(const std::string& path, AviSession& session, bool need_picture = true);
// Opens without printing: the reason, or an empty text when the recording opened.
std::string OpenAviFailure(const std::string& path, AviSession& session);

// The one-line reason for an AviOpen result other than 0.
std::string OpenFailureText(int result, const std::string& path, const AviMovie& movie);

// "frame N is WxH by its own header, the movie's header says WxH" for a frame whose SOF0 size
// differs from the movie's (the frame last decoded).
std::string FrameSizeMismatchText(int frame, const AviMovie& movie);

// The value behind an option ("--first 3"), or nullptr when absent. A missing value sets error.
const std::string* OptionValue(const Args& args, const char* name, bool& error);
bool HasFlag(const Args& args, const char* name);
// Parses a whole decimal number; false when the text is not one or does not fit 64 bits.
bool ParseInt(const std::string& text, int64_t& out);

// Why a file cannot be opened for reading ("No such file or directory", "it is a folder").
std::string OpenReason(const std::string& path);

// A JSON string literal of text (quotes and escapes included).
std::string JsonString(const std::string& text);

}  // namespace qv::cli
