#include "app/system/autostart_entry.h"

#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "common/atomic_file.h"

namespace orvanta {
namespace {

// An argument of an Exec key: bare when it holds only ASCII letters, digits and "/._+-"; else
// in double quotes with ", `, $ and \ escaped by a backslash. Then, over the whole argument,
// each % is doubled (a single one starts a field code such as %f) and each backslash doubled
// again, as the key's value is a string whose own escapes are read before the command line.
// Nothing for a control character: a line break would end the key, and the rules allow none.
std::optional<QString> ExecArgument(const QString& argument) {
    bool plain = !argument.isEmpty();
    for (const QChar c : argument) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control) {
            return std::nullopt;
        }
        plain = plain && (c.isLetterOrNumber() || QStringLiteral("/._+-").contains(c)) &&
                c.unicode() < 128;
    }
    QString quoted;
    for (const QChar c : argument) {
        if (!plain && QStringLiteral("\"`$\\").contains(c)) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    if (!plain) {
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return quoted;
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

std::optional<QString> AutostartEntryText(const QString& program) {
    const std::optional<QString> exec = ExecArgument(program);
    if (!exec) {
        return std::nullopt;
    }
    const QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Orvanta"),
        QStringLiteral("Comment=Prayer times in the tray, started at login"),
        QStringLiteral("Exec=") + *exec + QStringLiteral(" --background"),
        QStringLiteral("Icon=orvanta"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

AutostartResult WriteAutostartEntry(const QString& program) {
    const std::optional<QString> text = AutostartEntryText(program);
    if (!text) {
        return AutostartResult::kUnquotable;
    }
    if (!QDir().mkpath(AutostartFolder())) {
        return AutostartResult::kFailed;
    }
    const QByteArray bytes = text->toUtf8();
    return ReplaceFileAtomically(QFile::encodeName(AutostartEntryPath()).toStdString(),
                                 std::string_view(bytes.constData(), bytes.size()),
                                 ReplaceOptions{.newFileMode = 0666, .followLink = false}) ==
                   ReplaceStatus::kReplaced
               ? AutostartResult::kDone
               : AutostartResult::kFailed;
}

AutostartResult RemoveAutostartEntry() {
    // The entry itself goes, also when it is a symbolic link (dangling or not).
    const QByteArray path = QFile::encodeName(AutostartEntryPath());
    return ::unlink(path.constData()) == 0 || errno == ENOENT ? AutostartResult::kDone
                                                              : AutostartResult::kFailed;
}

}  // namespace orvanta
