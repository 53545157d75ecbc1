#include "common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvanta {
namespace {

FileKind KindOfOpenFailure(int error) {
    return error == ENOENT ? FileKind::kMissing : FileKind::kUnreadable;
}

FileKind KindOfOpenFile(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return FileKind::kUnreadable;
    }
    return S_ISREG(info.st_mode) ? FileKind::kRegular : FileKind::kNotRegular;
}

}  // namespace

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int FileDescriptor::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

FileKind CheckRegularFile(const std::filesystem::path& path) {
    if (path.empty()) {
        return FileKind::kMissing;
    }
    const FileDescriptor file(::open(path.c_str(), O_PATH | O_CLOEXEC));
    if (!file.IsOpen()) {
        return KindOfOpenFailure(errno);
    }
    return KindOfOpenFile(file.Get());
}

OpenedFile OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode) {
    if (path.empty()) {
        return {FileKind::kMissing, FileDescriptor()};
    }
    FileDescriptor file(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode));
    if (!file.IsOpen()) {
        // ENXIO: a FIFO opened for writing only, without a reader. ENOENT: missing.
        return {errno == ENXIO ? FileKind::kNotRegular : KindOfOpenFailure(errno),
                FileDescriptor()};
    }
    const FileKind kind = KindOfOpenFile(file.Get());
    if (kind != FileKind::kRegular) {
        return {kind, FileDescriptor()};
    }
    const int status = ::fcntl(file.Get(), F_GETFL);
    if (status < 0 || ::fcntl(file.Get(), F_SETFL, status & ~O_NONBLOCK) != 0) {
        return {FileKind::kUnreadable, FileDescriptor()};
    }
    return {FileKind::kRegular, std::move(file)};
}

}  // namespace orvanta
