// The Timetable window (Tools -> Timetable...): one month at a time, one row a day with the
// Gregorian and Hijri dates and the six times, today's row marked; export as CSV or
// iCalendar, print, save as PDF.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QDialog>
#include <QPageSize>

#include "app/month/timetable_export.h"
#include "app/month/timetable_month.h"
#include "app/month/timetable_print.h"
#include "astro/date_row.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace orvanta {

struct TimetableContext {
    // The city, settings, method and Hijri offset the main window computes with, read each
    // time a month is shown (year and month are set by the window).
    std::function<MonthRequest()> inputs;
    std::function<std::optional<CivilDate>()> today;
    std::function<std::int64_t()> nowUtc;  // seconds since 1970, for the calendar's DTSTAMP
    // Asks for a file to write, over parent: caption, file-type filter and the name suggested,
    // whose extension is added when the person types none; an empty text: cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter,
                          const QString& suggested)>
        chooseFile;
    // Tells the person something went wrong (a modal message).
    std::function<void(const QString&)> report;
};

class TimetableWindow : public QDialog {
    Q_OBJECT

  public:
    // Opens on today's month (January 2026 without a clock).
    explicit TimetableWindow(TimetableContext context, QWidget* parent = nullptr);

    // Shows the month (1 .. 12) of the year (1 .. 9999); the pickers follow.
    void ShowMonth(int year, int month);
    // The rows shown (empty when the month could not be computed).
    const std::vector<DatedRow>& Days() const { return days_; }
    // The table row marked as today, or -1.
    int TodayRow() const { return todayRow_; }

    // Writes the month shown to a file; false (after telling the person) on failure.
    bool ExportMonth(const QString& path, ExportFormat format);
    // Writes the month shown as a one-page PDF on paper of the given size.
    bool SavePdf(const QString& path, const QPageSize& paper);

  private:
    void CreateControls();
    void Step(int months);
    void OnPickersChanged();
    void FillTable(const MonthRequest& request);
    void AskAndExport(ExportFormat format);
    void AskAndSavePdf();
    // The paper of a PDF: the system printer's (print module), else the locale's.
    static QPageSize DefaultPaper();
    void OpenPrintDialog();
    // Tells the person why a file was not written (nothing when it was); failed names the file.
    void ReportFailure(ReplaceStatus status, const QString& failed, const QString& path);
    PrintedMonth Page() const;
    // "Detroit, MI 2026-12.csv": the city and the month shown, with extension.
    QString SuggestedFileName(const char* extension) const;

    TimetableContext context_;
    MonthRequest shown_;
    std::vector<DatedRow> days_;
    int todayRow_ = -1;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QComboBox* month_ = nullptr;
    QSpinBox* year_ = nullptr;
    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace orvanta
