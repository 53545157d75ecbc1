#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>

namespace orvanta {
namespace {

const QString kClass = QStringLiteral("ORVANTA");
const QString kTitle = QStringLiteral("Orvanta");

// A private runtime, home and configuration for this test, for this process and the copies of
// the program it starts; the previous runtime folder comes back at the end.
class IsolatedUser {
  public:
    IsolatedUser() : previousRuntime_(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }
    ~IsolatedUser() {
        if (previousRuntime_.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", previousRuntime_);
        }
    }
    IsolatedUser(const IsolatedUser&) = delete;
    IsolatedUser& operator=(const IsolatedUser&) = delete;

    bool Valid() const { return runtime_.isValid() && home_.isValid(); }

    // Starts the real program with this user's folders on the offscreen platform.
    std::unique_ptr<QProcess> StartProgram() const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath("data"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(ORVANTA_APP_BINARY), QStringList());
        return process;
    }

    QString ServerPath() const { return SingleInstance::ServerPath(kClass, kTitle); }

  private:
    QByteArray previousRuntime_;
    QTemporaryDir runtime_;
    QTemporaryDir home_;
};

// Waits, running the event loop, until a copy listens at path.
bool WaitForListener(const QString& path, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromServer();
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

constexpr int kStartTimeoutMs = 30000;  // generous: sanitizer builds start slowly

// Passes when the copy ends by itself, in time, with exit code 0.
::testing::AssertionResult EndsWithZero(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        QSignalSpy finished(&process, &QProcess::finished);
        if (!finished.wait(kStartTimeoutMs)) {
            return ::testing::AssertionFailure() << "still running";
        }
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return ::testing::AssertionFailure()
               << "exit status " << process.exitStatus() << ", code " << process.exitCode();
    }
    return ::testing::AssertionSuccess();
}

void Stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

TEST(SingleInstance, SocketLeftByACrashedCopyIsReplaced) {
    IsolatedUser user;
    ASSERT_TRUE(user.Valid());
    // A socket file nobody listens on, as a killed copy leaves it.
    const QByteArray path = user.ServerPath().toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(user.ServerPath()));

    SingleInstance copy(kClass, kTitle);
    EXPECT_EQ(copy.ClaimOrSignal(), SingleInstance::Claim::kFirst);
    EXPECT_TRUE(WaitForListener(user.ServerPath(), 2000));
}

// The first copy listens in the runtime folder; a later claim, and the real program started
// while it runs, ask it to come forward, and the program then ends at once with 0. A name with
// another title is another program.
TEST(SingleInstance, FirstListensAndLaterCopiesAskItToComeForward) {
    IsolatedUser user;
    ASSERT_TRUE(user.Valid());
    SingleInstance first(kClass, kTitle);
    ASSERT_EQ(first.ClaimOrSignal(), SingleInstance::Claim::kFirst);
    EXPECT_TRUE(user.ServerPath().startsWith(QDir(qgetenv("XDG_RUNTIME_DIR")).path()));
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(kClass, kTitle);
    EXPECT_EQ(second.ClaimOrSignal(), SingleInstance::Claim::kAlreadyRunning);
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_TRUE(EndsWithZero(*user.StartProgram()));
    if (raised.count() == 1) {
        EXPECT_TRUE(raised.wait(5000));
    }
    EXPECT_EQ(raised.count(), 2);

    SingleInstance other(kClass, QStringLiteral("Other"));
    EXPECT_EQ(other.ClaimOrSignal(), SingleInstance::Claim::kFirst);
}

TEST(SingleInstance, TwoProgramsStartedTogetherOnlyOneRuns) {
    IsolatedUser user;
    ASSERT_TRUE(user.Valid());
    std::unique_ptr<QProcess> a = user.StartProgram();
    std::unique_ptr<QProcess> b = user.StartProgram();
    ASSERT_TRUE(WaitForListener(user.ServerPath(), kStartTimeoutMs));
    // One of the two ends with 0; the other keeps running.
    QElapsedTimer timer;
    timer.start();
    while (a->state() != QProcess::NotRunning && b->state() != QProcess::NotRunning &&
           timer.elapsed() < kStartTimeoutMs) {
        QTest::qWait(50);
    }
    QProcess* ended = a->state() == QProcess::NotRunning ? a.get() : b.get();
    QProcess* running = ended == a.get() ? b.get() : a.get();
    ASSERT_EQ(ended->state(), QProcess::NotRunning);
    EXPECT_TRUE(EndsWithZero(*ended));
    QTest::qWait(500);
    EXPECT_EQ(running->state(), QProcess::Running);
    Stop(*a);
    Stop(*b);
}

}  // namespace
}  // namespace orvanta
