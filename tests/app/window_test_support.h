// Helpers for tests that drive the real window and dialogs under the offscreen platform.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace orvanta::testing_support {

using TextRows = std::vector<std::pair<std::string, std::string>>;

inline TextRows RowsOf(const QTreeWidget* list) {
    TextRows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows.emplace_back(item->text(0).toStdString(), item->text(1).toStdString());
    }
    return rows;
}

// Closes every top-level widget still open and runs the deferred deletions, so that each test
// starts from an empty screen.
inline void CloseEverything() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            widget->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace orvanta::testing_support
