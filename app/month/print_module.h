// What the print module orvanta-print (print_dialog.cpp, the only code that links Qt Print
// Support) offers the timetable window, loaded when a page is first printed or saved as PDF.
// Plain C++ across the boundary: the page itself is painted by the caller's function.
#pragma once

#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace orvanta {

enum class PrintOutcome {
    kCancelled,  // the person closed the print dialog
    kPrinted,
    kFailed,  // paint returned false or the printer reported an error
};

// Paints one page on the device as set up (paper, margins); false when it could not.
using PaintPageFn = std::function<bool(QPagedPaintDevice& device)>;

// kDefaultPaper: sets paper to the paper a high-resolution printer of the system starts with
// (the default printer's, else the locale's: Letter in the United States, else A4).
using DefaultPaperFn = void (*)(QPageSize& paper);
// kPrintWithDialog: the system's print dialog (titled dialogTitle, over parent) for a
// high-resolution printer with margins of 15 mm; paints the page when the person accepts.
using PrintWithDialogFn = PrintOutcome (*)(QWidget* parent, const QString& dialogTitle,
                                           const PaintPageFn& paint);

inline constexpr const char* kPrintModule = "orvanta-print";
inline constexpr const char* kDefaultPaper = "orvanta_default_paper";
inline constexpr const char* kPrintWithDialog = "orvanta_print_with_dialog";

}  // namespace orvanta
