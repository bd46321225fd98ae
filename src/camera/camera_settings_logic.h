// The Camera Settings dialog without the window: the interval of each position of the camera's
// three-position switch in hours, minutes and seconds with their arrows, carries and key rules,
// the banding filter, looping, exposure lock, the clock offset and the flash drive, and writing
// REGISTRY.LDR on OK.
#pragma once

#include <array>
#include <ctime>
#include <string>

#include "camera/registry_file.h"

namespace qv::camera {

// The settings the dialog reads and changes (the player's settings file keeps them).
struct CameraSettingsRefs {
    int& nInt1;
    int& nInt2;
    int& nInt3;
    int& nAVIQuant;
    int& nFlicker;
    int& cDrive;  // drive letter code, kept for the settings file
    int& wCamMode;
    std::array<int, 4>& nResolution;
    std::string& drive_root;  // the mounted folder of the camera's flash drive
};

// What the dialog asks of the window and the machine.
class CameraDialogHost {
  public:
    virtual ~CameraDialogHost() = default;
    virtual void Beep() = 0;
    // The three edits: 0 hours, 1 minutes, 2 seconds.
    virtual void FocusField(int field) = 0;
    // The message window with the lblNoDir text.
    virtual void ShowNoDirMessage() = 0;
    // The file could not be written although its folder is there.
    virtual void ShowWriteFailure(const std::string& text) = 0;
    virtual std::time_t Now() = 0;
};

class CameraSettingsLogic {
  public:
    CameraSettingsLogic(CameraSettingsRefs settings, CameraDialogHost& host)
        : s_(settings), host_(host) {}

    void FormShow();
    void rgSwitchClick(int position);
    void edtHoursChange(const std::string& text);
    void udHoursClick(int position);
    void udMinutesClick(int position) { ArrowClick(1, position); }
    void udSecondsClick(int position) { ArrowClick(2, position); }
    void edtMinutesChange(const std::string& text) { FieldChange(1, text); }
    void edtSecondsChange(const std::string& text) { FieldChange(2, text); }
    void edtMinutesExit() { FieldExit(1); }
    void edtSecondsExit() { FieldExit(2); }
    // The key filter of the three edits (field 0 hours, 1 minutes, 2 seconds). True when the key
    // is swallowed.
    bool KeyPress(int field, char key);
    void cbLoopClick(bool checked);
    void cbExpoLockClick(bool checked);
    void rgFlickerClick(int item);
    void rgResolutionSelectClick(int item);
    void cbDriveChange(const std::string& root);
    // OK: true when the file was written. The dialog closes either way.
    bool bOKClick();
    void bCancelClick();
    bool WriteCameraSettings();

    // The controls as the window shows them.
    std::array<std::string, 3> edits{"0", "0", "0"};  // edtHours, edtMinutes, edtSeconds
    std::array<int, 3> arrows{0, 0, 0};               // udHours, udMinutes, udSeconds
    int hours_maximum = 12;
    int rgSwitch = 0;
    int rgFlicker = 0;
    int cbTime = 0;  // 0, 60 or 300 seconds ahead of the PC clock
    bool cbLoop = false;
    bool cbExpoLock = false;
    bool resolution_visible = false;  // rgResolutionSelect is hidden in the design
    int rgResolutionSelect = 0;
    std::string drive;  // the chosen flash drive's folder
    bool visible = false;

  private:
    int EditedSeconds() const;
    void ShowInterval(int seconds);
    void SetField(int field, int value);
    // The minutes (1) or seconds (2) arrow, edit and leaving the edit.
    void ArrowClick(int field, int position);
    void FieldChange(int field, const std::string& text);
    void FieldExit(int field);
    // Carries sixties of a field into the next larger one; returns the rest.
    int Carry(int field, int value);

    CameraSettingsRefs s_;
    CameraDialogHost& host_;
    std::array<int, 3> intervals_{1, 2, 5};
    int edited_ = 0;
    int hours_ = 0, minutes_ = 0, seconds_ = 0;
    int saved_quant_ = 0, saved_flicker_ = 0;
    bool filling_ = false;
    bool arrow_ = false;
};

}  // namespace qv::camera
