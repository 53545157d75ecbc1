// One copy of the program at a time: the first listens in the user's runtime folder (or, without
// one, in a folder of the user's own) and later copies ask it to come forward.
#include "app/system/single_instance.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace orvanta {
namespace {

const QString kClass = QStringLiteral("ORVANTA");
const QString kTitle = QStringLiteral("Orvanta");
constexpr int kStartTimeoutMs = 30000;  // generous: sanitizer builds start slowly

// Sets an environment variable for this process until the end of the scope.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QString& value) : name_(name), old_(qgetenv(name)) {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable() { qputenv(name_, old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    QByteArray old_;
};

bool MakeFolder(const QString& path, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    return ::mkdir(name.constData(), 0700) == 0 && ::chmod(name.constData(), mode) == 0;
}

// A private runtime folder and home for this process and the copies of the program it starts.
class IsolatedUser {
  public:
    bool Valid() const { return runtime_.isValid() && home_.isValid(); }

    // Starts the real program with this user's folders on the offscreen platform, or as
    // environment says.
    std::unique_ptr<QProcess> StartProgram(
        const QList<std::pair<QString, QString>>& extra = {}) const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const auto& [name, value] : extra) {
            environment.insert(name, value);
        }
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath("data"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(ORVANTA_APP_BINARY), QStringList());
        return process;
    }

  private:
    QTemporaryDir runtime_;
    QTemporaryDir home_;
    ScopedVariable runtimeVariable_{"XDG_RUNTIME_DIR", runtime_.path()};
};

// The exit code of a copy that ends by itself in time (running events meanwhile); else -1.
int ExitCode(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        static_cast<void>(QSignalSpy(&process, &QProcess::finished).wait(kStartTimeoutMs));
    }
    const bool ended = process.state() == QProcess::NotRunning;
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Of two copies of the program started together only one runs: the other asks it to come
// forward and ends at once with 0. Killed, the running copy leaves its socket behind, and the
// next claim is the first all the same: it listens in the runtime folder, and a later claim and
// the real program started while it runs ask it to come forward. Another title is another
// program.
TEST(SingleInstance, OnlyTheFirstCopyRunsAndLaterOnesAskItToComeForward) {
    IsolatedUser user;
    ASSERT_TRUE(user.Valid());
    std::unique_ptr<QProcess> a = user.StartProgram();
    std::unique_ptr<QProcess> b = user.StartProgram();
    QElapsedTimer timer;
    timer.start();
    while (a->state() != QProcess::NotRunning && b->state() != QProcess::NotRunning &&
           timer.elapsed() < kStartTimeoutMs) {
        QTest::qWait(50);
    }
    QProcess* ended = a->state() == QProcess::NotRunning ? a.get() : b.get();
    QProcess* running = ended == a.get() ? b.get() : a.get();
    EXPECT_EQ(ExitCode(*ended), 0);
    QTest::qWait(500);
    EXPECT_EQ(running->state(), QProcess::Running);
    running->kill();
    running->waitForFinished(5000);

    SingleInstance first(kClass, kTitle);
    ASSERT_EQ(first.ClaimOrSignal(), SingleInstance::Claim::kFirst);
    EXPECT_TRUE(SingleInstance::ServerPath(kClass, kTitle)
                    .startsWith(QDir(qgetenv("XDG_RUNTIME_DIR")).path()));
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    SingleInstance second(kClass, kTitle);
    EXPECT_EQ(second.ClaimOrSignal(), SingleInstance::Claim::kAlreadyRunning);
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_EQ(ExitCode(*user.StartProgram()), 0);
    if (raised.count() == 1) {
        EXPECT_TRUE(raised.wait(5000));
    }
    EXPECT_EQ(raised.count(), 2);

    SingleInstance other(kClass, QStringLiteral("Other"));
    EXPECT_EQ(other.ClaimOrSignal(), SingleInstance::Claim::kFirst);
}

// Only a request that starts with "raise" brings the window forward, read once per connection
// whatever follows it; the socket is the user's alone and goes with the copy that listened.
TEST(SingleInstance, OnlyARaiseRequestIsHeardAndTheSocketIsTheUsersAlone) {
    IsolatedUser user;
    ASSERT_TRUE(user.Valid());
    const QString path = SingleInstance::ServerPath(kClass, kTitle);
    {
        SingleInstance first(kClass, kTitle);
        ASSERT_EQ(first.ClaimOrSignal(), SingleInstance::Claim::kFirst);
        EXPECT_EQ(QFileInfo(path).permissions() &
                      (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
                  QFile::Permissions());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        for (const auto& [request, raises] :
             {std::pair{QByteArray("raise\n"), 1}, std::pair{QByteArray("hello\n"), 0},
              std::pair{QByteArray(), 0}, std::pair{"raise" + QByteArray(4096, 'x'), 1}}) {
            SCOPED_TRACE(request.left(8).toStdString());
            ASSERT_TRUE(SendToLocalSocket(path, request, 2000));
            QTest::qWait(100);
            EXPECT_EQ(raised.size(), raises);
            raised.clear();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(SendToLocalSocket(path, "raise\n", 2000));
}

// A session bus that accepts and never answers must not hold the start: on an X server, where
// the menu bar, the tray and the accessibility bridge all ask the bus, the window is up as soon
// as a start allows (the bus used to hold it for over 100 s). Needs Xvfb and xwininfo
// (scripts/install-deps installs them).
TEST(SingleInstance, ASilentSessionBusDoesNotHoldTheWindow) {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty()) {
        GTEST_SKIP() << "Xvfb or xwininfo is missing";
    }
    // On a free display, whose number it prints; -noreset, as the server would otherwise reset
    // (and refuse the program's connection) whenever one of the probes below disconnects.
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-noreset"});
    ASSERT_TRUE(xvfb.waitForReadyRead(10000));
    const QString display = ':' + QString::fromLatin1(xvfb.readLine()).trimmed();
    ASSERT_TRUE(QTest::qWaitFor(  // the server answers before the program is started
        [&display] {
            QProcess root;
            root.start(QStringLiteral("xwininfo"), {"-display", display, "-root"});
            return root.waitForFinished(5000) && root.exitCode() == 0;
        },
        10000));
    QLocalServer silent;  // the kernel accepts; nothing reads or writes
    const QTemporaryDir folder;
    IsolatedUser user;
    ASSERT_TRUE(silent.listen(folder.filePath(QStringLiteral("bus"))) && user.Valid());
    const std::unique_ptr<QProcess> program =
        user.StartProgram({{"QT_QPA_PLATFORM", "xcb"},
                           {"DISPLAY", display},
                           {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + silent.fullServerName()}});
    EXPECT_TRUE(QTest::qWaitFor(
        [&display] {
            QProcess windows;
            windows.start(QStringLiteral("xwininfo"), {"-display", display, "-name", "Orvanta"});
            return windows.waitForFinished(5000) && windows.readAll().contains("IsViewable");
        },
        kStartTimeoutMs));
    program->kill();   // its destructor waits for it
    xvfb.terminate();  // so that it removes its lock and socket for the next server
    xvfb.waitForFinished(5000);
}

// $TMPDIR is a folder of the test's own; neither $XDG_RUNTIME_DIR nor Qt's fallback for it
// (<temp>/runtime-<user>) can be used, as both have mode 0755.
class NoRuntimeFolder {
  public:
    NoRuntimeFolder() {
        const passwd* user = ::getpwuid(::geteuid());
        const QString fallback =
            QStringLiteral("runtime-%1").arg(QString::fromLocal8Bit(user ? user->pw_name : ""));
        valid_ = user != nullptr && MakeFolder(Temp(), 0755) && MakeFolder(Path("rt"), 0755) &&
                 MakeFolder(QDir(Temp()).filePath(fallback), 0755);
    }
    bool Valid() const {
        return valid_ &&
               QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty();
    }
    QString Path(const char* name) const { return root_.filePath(QString::fromLatin1(name)); }
    QString Temp() const { return Path("tmp"); }
    QString UserFolder() const {  // the user's id is in its name
        return QDir(Temp()).filePath(QStringLiteral("orvanta-%1").arg(::geteuid()));
    }

  private:
    QTemporaryDir root_;
    ScopedVariable temp_{"TMPDIR", Temp()};
    ScopedVariable runtime_{"XDG_RUNTIME_DIR", Path("rt")};
    bool valid_ = false;
};

TEST(SingleInstanceFolder, WithoutARuntimeFolderTheSocketGoesToAFolderOfTheUsersOwn) {
    NoRuntimeFolder folders;
    ASSERT_TRUE(folders.Valid());
    // Another local user listens first under the name that every user used to share.
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(QDir(folders.Temp()).filePath("orvanta-ORVANTA-Orvanta")));

    SingleInstance first(kClass, kTitle);
    EXPECT_EQ(first.ClaimOrSignal(), SingleInstance::Claim::kFirst);
    EXPECT_EQ(QFileInfo(SingleInstance::ServerPath(kClass, kTitle)).path(), folders.UserFolder());
    EXPECT_EQ(QFileInfo(folders.UserFolder()).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                                 QFile::ExeOwner | QFile::ReadUser |
                                                                 QFile::WriteUser | QFile::ExeUser);
    SingleInstance second(kClass, kTitle);
    EXPECT_EQ(second.ClaimOrSignal(), SingleInstance::Claim::kAlreadyRunning);
}

TEST(SingleInstanceFolder, AFolderThatIsNotTheUsersOwnWithMode0700IsRefused) {
    struct Case {
        const char* name;
        bool (*make)(const NoRuntimeFolder&);  // puts something at UserFolder()
        const char* problemMentions;
    };
    const Case cases[] = {
        {"mode 0755", [](const auto& f) { return MakeFolder(f.UserFolder(), 0755); }, "0755"},
        {"a link to a private folder",
         [](const auto& f) {
             return MakeFolder(f.Path("mine"), 0700) && QFile::link(f.Path("mine"), f.UserFolder());
         },
         "link"},
        // Only the superuser can give a folder away; other users skip this row.
        {"another user's folder",
         [](const auto& f) {
             return MakeFolder(f.UserFolder(), 0700) &&
                    ::chown(QFile::encodeName(f.UserFolder()).constData(), 65534, 65534) == 0;
         },
         "65534"},
    };
    for (const Case& c : cases) {
        NoRuntimeFolder folders;
        ASSERT_TRUE(folders.Valid()) << c.name;
        if (!c.make(folders)) {
            continue;
        }
        SingleInstance copy(kClass, kTitle);
        EXPECT_EQ(copy.ClaimOrSignal(), SingleInstance::Claim::kUnguarded) << c.name;
        EXPECT_TRUE(copy.Problem().contains(folders.UserFolder()) &&
                    copy.Problem().contains(QString::fromLatin1(c.problemMentions)))
            << c.name << ": " << copy.Problem().toStdString();
        // Nothing was put where another user could reach it: only runtime-<user> and the folder.
        const auto everything =
            QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System | QDir::Hidden;
        EXPECT_EQ(QDir(folders.Temp()).entryList(everything).size(), 2) << c.name;
    }
}

}  // namespace
}  // namespace orvanta
