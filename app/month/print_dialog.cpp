// The print module orvanta-print: the system's printers through Qt Print Support. Built as a
// shared module of its own and loaded by the timetable window when a page is first printed or
// saved, so that Print Support is not loaded at the program's start.
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "app/month/print_module.h"

extern "C" __attribute__((visibility("default"))) void orvanta_default_paper(QPageSize& paper) {
    paper = QPrinter(QPrinter::HighResolution).pageLayout().pageSize();
}

extern "C" __attribute__((visibility("default"))) orvanta::PrintOutcome orvanta_print_with_dialog(
    QWidget* parent, const QString& dialogTitle, const orvanta::PaintPageFn& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (dialog.exec() != QDialog::Accepted) {
        return orvanta::PrintOutcome::kCancelled;
    }
    return paint(printer) && printer.printerState() != QPrinter::Error
               ? orvanta::PrintOutcome::kPrinted
               : orvanta::PrintOutcome::kFailed;
}
