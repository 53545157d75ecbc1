#include "app/widgets/tab_page_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

namespace orvanta {
namespace {

// Shows the page step pages away (+1 or -1), skipping disabled ones. (Qt moves the focus off a
// control of the page hidden.)
void StepPage(QTabWidget& tabs, int step) {
    const int count = tabs.count();
    int index = tabs.currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (tabs.isTabEnabled(index)) {
            break;
        }
    }
    tabs.setCurrentIndex(index);
}

}  // namespace

void SwitchPagesWithCtrlTab(QTabWidget& tabs) {
    QWidget* window = tabs.window();
    // Ctrl+Shift+Tab arrives as Backtab with Shift on X11 and Wayland, as Shift+Tab elsewhere.
    const struct {
        QKeySequence key;
        int step;
    } keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &tabs,
                         [&tabs, step = step] { StepPage(tabs, step); });
    }
}

void MoveToEndOfFocusChain(QWidget& window, std::initializer_list<QWidget*> widgets) {
    QWidget* previous = &window;
    while (previous->nextInFocusChain() != &window) {
        previous = previous->nextInFocusChain();
    }
    for (QWidget* widget : widgets) {
        if (previous != widget) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace orvanta
