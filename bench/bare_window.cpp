// The yardstick of the window's start: the least a Qt Widgets program does to put a window on
// screen, a label shown. bench/window_start_cost.py starts it beside `orvanta`, both with
// first_paint_probe preloaded, which ends each at its first painted window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Fajr 05:12"));
    label.show();
    return QApplication::exec();
}
