#include "app/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace orvanta {
namespace {

// An argument of an Exec key: bare when it needs no quoting; else in double quotes with ",
// `, $ and \ escaped by a backslash, and each backslash then doubled again because the value
// is a string whose own escapes are read first.
QString ExecArgument(const QString& argument) {
    bool plain = !argument.isEmpty();
    for (const QChar c : argument) {
        plain = plain && (c.isLetterOrNumber() || QStringLiteral("/._+-").contains(c)) &&
                c.unicode() < 128;
    }
    if (plain) {
        return argument;
    }
    QString quoted;
    for (const QChar c : argument) {
        if (QStringLiteral("\"`$\\").contains(c)) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QString AutostartFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = QDir::isAbsolutePath(configHome)
                             ? configHome
                             : QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

QString AutostartEntryPath() {
    return AutostartFolder() + QStringLiteral("/orvanta.desktop");
}

QString AutostartEntryText(const QString& program) {
    const QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Orvanta"),
        QStringLiteral("Comment=Prayer times in the tray, started at login"),
        QStringLiteral("Exec=") + ExecArgument(program) + QStringLiteral(" --background"),
        QStringLiteral("Icon=orvanta"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool WriteAutostartEntry(const QString& program) {
    if (!QDir().mkpath(AutostartFolder())) {
        return false;
    }
    QSaveFile file(AutostartEntryPath());
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(AutostartEntryText(program).toUtf8());
    return file.commit();
}

bool RemoveAutostartEntry() {
    QFile file(AutostartEntryPath());
    return !file.exists() || file.remove();
}

}  // namespace orvanta
