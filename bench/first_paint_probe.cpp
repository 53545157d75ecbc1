// Preloaded (LD_PRELOAD) into a Qt Widgets program by bench/window_start_cost.py: at the first
// paint of a window's widget it writes the monotonic clock (CLOCK_MONOTONIC, nanoseconds, as
// decimal text and a newline) to the file descriptor named by FIRST_PAINT_FD and ends the
// event loop once that paint has been flushed to the screen. The program itself is unchanged:
// the probe hooks in through Qt's start-up routines when the application object is built.
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

class FirstPaintProbe final : public QObject {
  public:
    explicit FirstPaintProbe(int fd) : fd_(fd) {}

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
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        char line[32];
        const int length =
            std::snprintf(line, sizeof line, "%lld\n",
                          static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        if (write(fd_, line, static_cast<std::size_t>(length)) != length) {
            std::perror("first_paint_probe: write");
        }
        QCoreApplication::exit(0);
    }

    int fd_;
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
