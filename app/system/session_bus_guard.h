// The session bus at start: a bus that accepts a connection and never answers would hold the
// start for minutes (Qt's menu bar, tray and accessibility bridge each wait on it), so it is
// tried first with a short wait and, when silent, kept away from the rest of the program.
#pragma once

#include <chrono>
#include <string>

#include <QString>

namespace orvanta {

enum class BusProbe {
    kAnswered,   // the bus began the authentication handshake (or refused the connection)
    kSilent,     // it accepted the connection and said nothing within the wait
    kNotProbed,  // an address of another kind (tcp, launchd, autolaunch): left to Qt
};

// Connects to the first reachable Unix socket of address (the D-Bus address syntax:
// "unix:path=...", "unix:abstract=...", "unix:runtime=yes", several joined by ';'; an empty
// address means $XDG_RUNTIME_DIR/bus, as libdbus reads it), sends the AUTH line of the
// handshake and waits at most wait for a reply line.
BusProbe ProbeSessionBus(const std::string& address, std::chrono::milliseconds wait);

// Probes DBUS_SESSION_BUS_ADDRESS; when the bus is silent, points the variable at a socket that
// refuses at once (so that nothing in the process waits on the bus) and remembers the address.
// Call before QApplication is made.
void GuardSessionBus(std::chrono::milliseconds wait);

// The address of the session bus that was silent at start; empty when none was.
QString SilentSessionBus();

}  // namespace orvanta
