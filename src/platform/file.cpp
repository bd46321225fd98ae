#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace qv::platform {

File::~File() {
    Close();
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(std::move(other.error_)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        error_ = std::move(other.error_);
    }
    return *this;
}

void File::SetError(const char* what) {
    error_ = std::string(what) + ": " + std::strerror(errno);
}

bool File::OpenWith(const std::string& path, int flags) {
    Close();
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        SetError(path.c_str());
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        Close();
        error_ = path + ": is a folder";
        return false;
    }
    return true;
}

bool File::OpenRead(const std::string& path) {
    return OpenWith(path, O_RDONLY);
}
bool File::Create(const std::string& path) {
    return OpenWith(path, O_WRONLY | O_CREAT | O_TRUNC);
}
bool File::OpenReadWrite(const std::string& path) {
    return OpenWith(path, O_RDWR);
}
bool File::OpenWriteInPlace(const std::string& path) {
    return OpenWith(path, O_WRONLY);
}

bool File::CreateBeside(const std::string& target, std::string& temp_path) {
    Close();
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) {
        SetError(target.c_str());
        return false;
    }
    // mkstemp makes the file private; a finished export gets what any new file gets there.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    temp_path = pattern;
    return true;
}

bool File::CloseChecked() {
    if (fd_ < 0) return true;
    const int r = ::close(fd_);
    fd_ = -1;
    if (r != 0) SetError("close");
    return r == 0;
}

void File::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

int64_t File::Size() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return static_cast<int64_t>(st.st_size);
}

bool File::Seek(int64_t offset) {
    if (fd_ < 0 || offset < 0) return false;
    return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

int64_t File::Tell() const {
    if (fd_ < 0) return -1;
    return static_cast<int64_t>(::lseek(fd_, 0, SEEK_CUR));
}

size_t File::Read(void* buffer, size_t count) {
    if (fd_ < 0) return 0;
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::read(fd_, out + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n < 0) SetError("read");
            break;
        }
        done += static_cast<size_t>(n);
    }
    return done;
}

bool File::ReadAt(int64_t offset, void* buffer, size_t count) const {
    if (fd_ < 0 || offset < 0) return false;
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool File::Write(const void* buffer, size_t count) {
    if (fd_ < 0) return false;
    const auto* in = static_cast<const char*>(buffer);
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd_, in + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            SetError("write");
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool File::Sync() {
    if (fd_ < 0) return false;
    if (::fsync(fd_) == 0) return true;
    SetError("flush");
    return false;
}

void File::StartWriteBack(int64_t offset, int64_t length) {
#ifdef __linux__
    if (fd_ >= 0) ::sync_file_range(fd_, offset, length, SYNC_FILE_RANGE_WRITE);
#else
    (void)offset;
    (void)length;
#endif
}

std::string ErrorReason(const std::string& error) {
    const size_t colon = error.rfind(": ");
    return colon == std::string::npos ? error : error.substr(colon + 2);
}

bool ReadWholeFile(const std::string& path, std::string& out, size_t max_size) {
    File f;
    if (!f.OpenRead(path)) return false;
    int64_t size = f.Size();
    if (size < 0 || static_cast<uint64_t>(size) > max_size) return false;
    out.resize(static_cast<size_t>(size));
    return f.Read(out.data(), out.size()) == out.size();
}

}  // namespace qv::platform
