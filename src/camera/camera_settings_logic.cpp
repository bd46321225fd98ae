#include "camera/camera_settings_logic.h"

#include <cctype>
#include <cstdlib>

namespace qv::camera {
namespace {

constexpr int kFlickerCodes[3] = {kFlickerNone, kFlicker60Hz, kFlicker50Hz};
constexpr int kTimeOffsets[3] = {0, 60, 300};

// The whole text as a number, or -1 when it is not one.
int Number(const std::string& text) {
    if (text.empty() || text.size() > 6) return -1;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    return std::atoi(text.c_str());
}

}  // namespace

int CameraSettingsLogic::EditedSeconds() const {
    return hours_ * 3600 + minutes_ * 60 + seconds_;
}

void CameraSettingsLogic::SetField(int field, int value) {
    int& v = field == 0 ? hours_ : field == 1 ? minutes_ : seconds_;
    v = value;
    edits[static_cast<size_t>(field)] = std::to_string(value);
}

void CameraSettingsLogic::ShowInterval(int seconds) {
    SetField(0, seconds / 3600);
    SetField(1, seconds / 60 % 60);
    SetField(2, seconds % 60);
}

void CameraSettingsLogic::FormShow() {
    filling_ = true;
    intervals_ = {s_.nInt1, s_.nInt2, s_.nInt3};
    edited_ = rgSwitch;
    ShowInterval(intervals_[static_cast<size_t>(edited_)]);
    arrows = {hours_ == 24 ? 13 : hours_, minutes_, seconds_};
    saved_flicker_ = s_.nFlicker;
    saved_quant_ = s_.nAVIQuant;
    drive = s_.drive_root;
    for (int i = 0; i < 3; ++i)
        if (s_.nFlicker == kFlickerCodes[i]) rgFlicker = i;
    // A set bit ticks its box; a clear one leaves the box as it was.
    if (s_.wCamMode & kModeExposureLock) cbExpoLock = true;
    if (s_.wCamMode & kModeLooping) cbLoop = true;
    rgResolutionSelect = s_.nResolution[0];
    filling_ = false;
    visible = true;
}

void CameraSettingsLogic::rgSwitchClick(int position) {
    if (position < 0 || position > 2) return;
    intervals_[static_cast<size_t>(edited_)] = EditedSeconds();
    edited_ = rgSwitch = position;
    hours_maximum = position == 2 ? 13 : 12;
    // The intervals rise with the switch position.
    if (intervals_[0] >= intervals_[1]) intervals_[1] = intervals_[0] + 1;
    if (intervals_[1] >= intervals_[2] && intervals_[2] != -1) intervals_[2] = intervals_[1] + 1;
    filling_ = true;
    ShowInterval(intervals_[static_cast<size_t>(position)]);
    filling_ = false;
}

void CameraSettingsLogic::edtHoursChange(const std::string& text) {
    if (filling_) return;
    const int v = Number(text);
    if ((v >= 0 && v <= 12) || (v == 24 && edited_ == 2)) {
        hours_ = v;
    } else {
        host_.Beep();
        edits[0] = std::to_string(hours_);
        return;
    }
    if (hours_ == 12 || hours_ == 24) {
        SetField(1, 0);
        SetField(2, 0);
        arrows[1] = arrows[2] = 0;
    }
}

void CameraSettingsLogic::udHoursClick(int position) {
    arrows[0] = position;
    SetField(0, position == 13 ? 24 : position);
    edtHoursChange(edits[0]);
}

int CameraSettingsLogic::Carry(int field, int value) {
    if (value < 60) return value;
    const int larger = field - 1;
    const int next = (larger == 0 ? hours_ : minutes_) + value / 60;
    SetField(larger, next);
    arrows[static_cast<size_t>(larger)] = larger == 0 && next == 24 ? 13 : next;
    return value % 60;
}

void CameraSettingsLogic::ArrowClick(int field, int position) {
    const size_t f = static_cast<size_t>(field);
    if (hours_ == 12 || hours_ == 24) {
        host_.Beep();
        arrows[f] = 0;
        return;
    }
    arrow_ = true;
    const int typed = Number(edits[f]);
    Carry(field, typed < 0 ? 0 : typed);
    arrows[f] = position;
    FieldChange(field, std::to_string(position));
    arrow_ = false;
}

void CameraSettingsLogic::FieldChange(int field, const std::string& text) {
    edits[static_cast<size_t>(field)] = text;
    if (!arrow_ || filling_) return;
    const int v = Number(text);
    if (v < 0) return;
    SetField(field, Carry(field, v));
    arrows[static_cast<size_t>(field)] = field == 1 ? minutes_ : seconds_;
}

void CameraSettingsLogic::FieldExit(int field) {
    const int v = Number(edits[static_cast<size_t>(field)]);
    SetField(field, Carry(field, v < 0 ? 0 : v));
    arrows[static_cast<size_t>(field)] = field == 1 ? minutes_ : seconds_;
}

bool CameraSettingsLogic::KeyPress(int field, char key) {
    if (key == '\r') {
        // Hours and minutes (tag 0) go on to the minutes, the seconds back to the hours.
        host_.FocusField(field == 2 ? 0 : 1);
        return true;
    }
    if (key == '\b') return false;
    if (!std::isdigit(static_cast<unsigned char>(key)) || hours_ == 24) {
        host_.Beep();
        return true;
    }
    return false;
}

void CameraSettingsLogic::cbLoopClick(bool checked) {
    cbLoop = checked;
    if (!filling_) s_.wCamMode = checked ? s_.wCamMode | kModeLooping : s_.wCamMode & ~kModeLooping;
}

void CameraSettingsLogic::cbExpoLockClick(bool checked) {
    cbExpoLock = checked;
    if (!filling_)
        s_.wCamMode = checked ? s_.wCamMode | kModeExposureLock : s_.wCamMode & ~kModeExposureLock;
}

void CameraSettingsLogic::rgFlickerClick(int item) {
    if (filling_ || item < 0 || item > 2) return;
    rgFlicker = item;
    s_.nFlicker = kFlickerCodes[item];
}

void CameraSettingsLogic::rgResolutionSelectClick(int item) {
    if (filling_ || item < 0 || item > 2) return;
    rgResolutionSelect = item;
    s_.nResolution = {item, item, item, item};
}

void CameraSettingsLogic::cbDriveChange(const std::string& root) {
    if (!filling_) drive = root;
}

bool CameraSettingsLogic::bOKClick() {
    // Leaving the edits for the OK button applies what was typed into them.
    edtMinutesExit();
    edtSecondsExit();
    intervals_[static_cast<size_t>(edited_)] = EditedSeconds();
    s_.drive_root = drive;
    const bool written = WriteCameraSettings();
    visible = false;
    return written;
}

void CameraSettingsLogic::bCancelClick() {
    s_.nAVIQuant = saved_quant_;
    s_.nFlicker = saved_flicker_;
    visible = false;
}

bool CameraSettingsLogic::WriteCameraSettings() {
    s_.nInt1 = intervals_[0];
    s_.nInt2 = intervals_[1];
    s_.nInt3 = intervals_[2];
    CameraRegistry r;
    r.intervals = intervals_;
    r.flicker = s_.nFlicker;
    r.cam_mode = s_.wCamMode & 0xFFFF;
    r.with_resolution = resolution_visible;
    r.resolution = s_.nResolution;
    const int offset = kTimeOffsets[cbTime >= 0 && cbTime <= 2 ? cbTime : 0];
    std::string error;
    switch (WriteRegistryFile(s_.drive_root, RegistryBytes(r, CameraClock(host_.Now(), offset)),
                              error)) {
        case WriteResult::Written:
            return true;
        case WriteResult::NoFolder:
            host_.ShowNoDirMessage();
            return false;
        case WriteResult::WriteFailed:
            host_.ShowWriteFailure(error);
            return false;
    }
    return false;
}

}  // namespace qv::camera
