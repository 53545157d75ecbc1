// Opening the program's own files so that something else at their path (a FIFO, a device, a
// folder) can never block the program or be read as if it were the file.
#pragma once

#include <sys/types.h>

#include <filesystem>

namespace orvanta {

// What is at a path, symbolic links followed.
enum class FileKind {
    kRegular,     // a regular file
    kMissing,     // nothing (or a dangling link)
    kNotRegular,  // a FIFO, socket, device or folder
    kUnreadable,  // the path cannot be looked at (no permission on a folder, a loop of links)
};

// An open file descriptor, closed when the object is destroyed.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Gives up ownership: the caller closes the descriptor.
    int Release();

  private:
    int fd_ = -1;
};

// Looks at what path names without opening it for reading or writing (O_PATH), so that neither
// a FIFO nor a device driver is ever touched.
FileKind CheckRegularFile(const std::filesystem::path& path);

struct OpenedFile {
    FileKind kind = FileKind::kUnreadable;
    FileDescriptor file;  // open only when kind is kRegular
};

// Opens path with flags (O_RDONLY, O_RDWR | O_CREAT, ...; O_CLOEXEC is added) and mode for a
// new file. The open itself is non-blocking, so a FIFO without a writer cannot hold it; the
// opened object must be a regular file, else it is closed again and kNotRegular is returned.
// The descriptor returned blocks as usual. kMissing when the file does not exist (and flags do
// not create it), kUnreadable for any other failure.
OpenedFile OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode = 0);

}  // namespace orvanta
