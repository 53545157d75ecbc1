#include "app/system/session_bus_guard.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "common/regular_file.h"

namespace orvanta {
namespace {

using Clock = std::chrono::steady_clock;

// Where the refused connections go once the bus was found silent: connect() on a file that is
// not a socket fails at once.
constexpr const char* kNowhere = "unix:path=/dev/null";

QString& SilentAddress() {
    static QString address;
    return address;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(c | 0x20);  // lower case
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A value of an address key with its %XX escapes undone (a broken escape stays as it is).
std::string Unescape(const std::string& value) {
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() ? HexDigit(value[i + 1]) : -1;
        const int low = i + 2 < value.size() ? HexDigit(value[i + 2]) : -1;
        if (value[i] == '%' && high >= 0 && low >= 0) {
            plain += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            plain += value[i];
        }
    }
    return plain;
}

struct SocketName {
    std::string name;
    bool abstract = false;
};

// The socket of one "unix:key=value,..." entry; nothing for another transport.
std::optional<SocketName> UnixSocketOf(const std::string& entry) {
    if (entry.rfind("unix:", 0) != 0) {
        return std::nullopt;
    }
    std::size_t start = 5;
    while (start < entry.size()) {
        std::size_t end = entry.find(',', start);
        end = end == std::string::npos ? entry.size() : end;
        const std::string pair = entry.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        const std::string key = pair.substr(0, equals);
        const std::string value =
            equals == std::string::npos ? "" : Unescape(pair.substr(equals + 1));
        if (key == "path" || key == "abstract") {
            return SocketName{value, key == "abstract"};
        }
        if (key == "runtime" && value == "yes" && std::getenv("XDG_RUNTIME_DIR") != nullptr) {
            return SocketName{std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus", false};
        }
        start = end + 1;
    }
    return std::nullopt;
}

// Waits for events on fd until deadline; false when the time ran out or poll failed.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

// A connected socket to name, or a closed descriptor when nothing listens there.
FileDescriptor Connect(const SocketName& socket, Clock::time_point deadline) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = socket.abstract ? 1 : 0;  // an abstract name starts with '\0'
    if (socket.name.empty() || socket.name.size() + offset >= sizeof(address.sun_path)) {
        return FileDescriptor();
    }
    std::memcpy(address.sun_path + offset, socket.name.data(), socket.name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               socket.name.size() + (socket.abstract ? 0 : 1));
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.IsOpen()) {
        return fd;
    }
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        return fd;
    }
    int error = 0;
    socklen_t size = sizeof(error);
    if ((errno == EINPROGRESS || errno == EAGAIN) && WaitFor(fd.Get(), POLLOUT, deadline) &&
        ::getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) {
        return fd;
    }
    return FileDescriptor();
}

// Sends the first line of the handshake (a zero byte, then AUTH EXTERNAL with the user's id in
// hexadecimal ASCII) and waits for any reply: a bus answers OK or REJECTED at once.
bool Answers(int fd, Clock::time_point deadline) {
    std::string hexUid;
    for (const char digit : std::to_string(::geteuid())) {
        static constexpr char kHex[] = "0123456789abcdef";
        hexUid += kHex[static_cast<unsigned char>(digit) >> 4];
        hexUid += kHex[static_cast<unsigned char>(digit) & 0xF];
    }
    const std::string line = std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n";
    if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) {
        return true;  // a peer that is gone refuses at once: nothing waits on it
    }
    char reply[64];
    return WaitFor(fd, POLLIN, deadline) && ::recv(fd, reply, sizeof(reply), 0) >= 0;
}

}  // namespace

BusProbe ProbeSessionBus(const std::string& address, std::chrono::milliseconds wait) {
    const Clock::time_point deadline = Clock::now() + wait;
    std::vector<std::string> entries;
    for (std::size_t start = 0; start <= address.size();) {
        std::size_t end = address.find(';', start);
        end = end == std::string::npos ? address.size() : end;
        if (end > start) {
            entries.push_back(address.substr(start, end - start));
        }
        start = end + 1;
    }
    if (address.empty()) {
        entries.emplace_back("unix:runtime=yes");
    }
    for (const std::string& entry : entries) {
        const std::optional<SocketName> socket = UnixSocketOf(entry);
        if (!socket) {
            return BusProbe::kNotProbed;
        }
        const FileDescriptor fd = Connect(*socket, deadline);
        if (fd.IsOpen()) {
            return Answers(fd.Get(), deadline) ? BusProbe::kAnswered : BusProbe::kSilent;
        }
    }
    return BusProbe::kAnswered;  // nothing listens: every connection is refused at once
}

void GuardSessionBus(std::chrono::milliseconds wait) {
    const char* value = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const std::string address = value != nullptr ? value : "";
    if (ProbeSessionBus(address, wait) == BusProbe::kSilent) {
        SilentAddress() = QString::fromLocal8Bit(address.empty() ? "unix:runtime=yes" : value);
        ::setenv("DBUS_SESSION_BUS_ADDRESS", kNowhere, 1);
    }
}

QString SilentSessionBus() {
    return SilentAddress();
}

}  // namespace orvanta
