// Files with 64-bit offsets: the open, read, write and seek the readers and writers use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qv::platform {

// An open file; closed when destroyed. Not copyable, movable.
class File {
  public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // Opens an existing file for reading. False (with LastError set) when it cannot be opened.
    bool OpenRead(const std::string& path);
    // Creates the file (or empties an existing one) for writing.
    bool Create(const std::string& path);
    // Opens an existing file for reading and writing.
    bool OpenReadWrite(const std::string& path);
    // Opens an existing file for writing in place (a device): nothing is truncated or created.
    bool OpenWriteInPlace(const std::string& path);
    // Creates a new, uniquely named file in the folder of target, named after it, with the
    // permissions a new file gets there; its path goes to temp_path.
    bool CreateBeside(const std::string& target, std::string& temp_path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Size in bytes, or -1 when it cannot be taken.
    int64_t Size() const;
    // Moves the file position to an absolute offset.
    bool Seek(int64_t offset);
    int64_t Tell() const;
    // Reads up to count bytes at the file position; returns the number read (short at the end).
    size_t Read(void* buffer, size_t count);
    // Reads exactly count bytes at an absolute offset without moving the file position.
    bool ReadAt(int64_t offset, void* buffer, size_t count) const;
    // Writes all count bytes at the file position.
    bool Write(const void* buffer, size_t count);
    // Flushes written data to the device.
    bool Sync();
    // Starts writing a range of written data to the device without waiting for it, so that a
    // long write is mostly on the device by the time Sync waits (where the system offers it).
    void StartWriteBack(int64_t offset, int64_t length);
    // Closes the file and says whether everything written reached it.
    bool CloseChecked();

    int Descriptor() const { return fd_; }
    // Text of the last failure on this file.
    const std::string& LastError() const { return error_; }

  private:
    bool OpenWith(const std::string& path, int flags);
    void SetError(const char* what);

    int fd_ = -1;
    std::string error_;
};

// The system's reason of an error text that starts with the file's name ("X: No such file or
// directory" gives "No such file or directory"), so a message names the file once.
std::string ErrorReason(const std::string& error);

// Reads a whole file into memory, refusing files above max_size bytes.
bool ReadWholeFile(const std::string& path, std::string& out, size_t max_size);

}  // namespace qv::platform
