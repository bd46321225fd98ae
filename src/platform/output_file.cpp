#include "platform/output_file.h"

#include <cstdio>
#include <filesystem>

namespace qv::platform {

namespace fs = std::filesystem;

OutputFile::~OutputFile() {
    Abandon();
}

bool OutputFile::Fail(const std::string& text) {
    if (!failed_) error_ = text;
    failed_ = true;
    return false;
}

void OutputFile::Abandon() {
    file_.Close();
    if (!temp_.empty()) std::remove(temp_.c_str());
    temp_.clear();
}

bool OutputFile::Open(const std::string& target, const std::string& source) {
    Abandon();
    target_ = target;
    error_.clear();
    failed_ = false;
    written_ = written_back_ = 0;
    std::error_code ec;
    onto_source_ = !source.empty() && fs::equivalent(target, source, ec);
    if (onto_source_) return Fail("cannot export onto the recording being exported: " + target);
    const fs::file_status st = fs::status(target, ec);
    if (fs::is_directory(st)) return Fail("cannot write " + target + ": it is a folder");
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        // A device or a pipe: written where it is; there is nothing to replace.
        if (!file_.OpenWriteInPlace(target))
            return Fail("cannot write " + target + ": " + ErrorReason(file_.LastError()));
        return true;
    }
    if (!file_.CreateBeside(target, temp_))
        return Fail("cannot write " + target + ": " + ErrorReason(file_.LastError()));
    return true;
}

bool OutputFile::Write(const void* data, size_t n) {
    if (failed_) return false;
    if (!file_.Write(data, n))
        return Fail("cannot write " + target_ + ": " + ErrorReason(file_.LastError()));
    written_ += static_cast<int64_t>(n);
    // The flush at the end waits only for the last stretch: the rest is on its way meanwhile.
    constexpr int64_t kStretch = 8 << 20;
    if (written_ - written_back_ >= kStretch) {
        file_.StartWriteBack(written_back_, written_ - written_back_);
        written_back_ = written_;
    }
    return true;
}

bool OutputFile::Commit() {
    if (failed_) {
        Abandon();
        return false;
    }
    const bool in_place = temp_.empty();
    // A device (a terminal, /dev/null) need not support flushing; a file must.
    if (!in_place && !file_.Sync())
        Fail("cannot write " + target_ + ": " + ErrorReason(file_.LastError()));
    if (!failed_ && !file_.CloseChecked())
        Fail("cannot write " + target_ + ": " + ErrorReason(file_.LastError()));
    if (!failed_ && !in_place && std::rename(temp_.c_str(), target_.c_str()) != 0)
        Fail("cannot replace " + target_);
    if (failed_) {
        Abandon();
        return false;
    }
    temp_.clear();
    return true;
}

}  // namespace qv::platform
