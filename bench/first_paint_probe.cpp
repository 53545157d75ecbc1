// Preloaded (LD_PRELOAD) into a Qt Widgets program by bench/window_start_cost.py: once the
// first paint of a window's widget has been flushed to the screen, it writes one line to the
// file descriptor named by FIRST_PAINT_FD and ends the event loop. The line holds three readings
// of the monotonic clock (CLOCK_MONOTONIC, nanoseconds, decimal, space-separated): the shared
// libraries loaded and relocated (this probe's static initialisation, which the loader runs
// after that of the Qt libraries it depends on), the application object built as far as Qt's
// start-up routines (its platform plugin loaded and connected to the display), and the first
// paint.
// The program itself is unchanged: the probe hooks in through those start-up routines.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

const long long kLoadedNs = MonotonicNs();

class FirstPaintProbe final : public QObject {
  public:
    explicit FirstPaintProbe(int fd) : fd_(fd), applicationNs_(MonotonicNs()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->isVisible()) {
            seen_ = true;
            // Queued: it runs after this paint and the flush of the window's backing store,
            // which the same synchronous repaint does.
            QMetaObject::invokeMethod(
                this, [this] { Report(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Report() const {
        char line[80];
        const int length = std::snprintf(line, sizeof line, "%lld %lld %lld\n", kLoadedNs,
                                         applicationNs_, MonotonicNs());
        if (write(fd_, line, static_cast<std::size_t>(length)) != length) {
            std::perror("first_paint_probe: write");
        }
        QCoreApplication::exit(0);
    }

    int fd_;
    long long applicationNs_;
    bool seen_ = false;
};

void InstallProbe() {
    const char* fd = std::getenv("FIRST_PAINT_FD");
    if (fd == nullptr) {
        return;
    }
    auto* probe = new FirstPaintProbe(std::atoi(fd));
    QCoreApplication::instance()->installEventFilter(probe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
