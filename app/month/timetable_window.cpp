#include "app/month/timetable_window.h"

#include <algorithm>

#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/month/print_module.h"
#include "app/system/program_module.h"
#include "app/text/bidi_text.h"
#include "app/text/calendar_texts.h"
#include "app/text/method_words.h"
#include "app/widgets/leading_labels.h"
#include "astro/qibla.h"

namespace orvanta {
namespace {

constexpr int kColumns = 2 + kPrayerCount;  // Gregorian date, Hijri date, six times
constexpr int kNightColumns = 3;            // Imsak, midnight, last third, when shown

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

// The width that shows every column whole: each column at the wider of its cells and its
// header, the table's frame and scroll bar, and the window's margins. Arabic and Urdu text, and
// a Friday's "Jumu'ah 12:05 PM", need more than the window's usual width.
int WidthForColumns(const QTableWidget& table, const QLayout& layout) {
    int width = 2 * table.frameWidth() + table.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QAbstractItemView& view = table;  // where the cells' size hint is public
    for (int c = 0; c < table.columnCount(); ++c) {
        width += std::max(view.sizeHintForColumn(c), table.horizontalHeader()->sectionSizeHint(c)) +
                 (table.showGrid() ? 1 : 0);  // the grid line after the column
    }
    const QMargins margins = layout.contentsMargins();
    return width + margins.left() + margins.right();
}

}  // namespace

TimetableWindow::TimetableWindow(TimetableContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setWindowTitle(tr("Timetable"));
    setObjectName(QStringLiteral("timetableWindow"));
    CreateControls();
    KeepLabelsOnLeadingSide(*this);
    const std::optional<CivilDate> today = context_.today ? context_.today() : std::nullopt;
    ShowMonth(today ? today->year : 2026, today ? today->month : 1);
    const int screenWidth = screen() != nullptr ? screen()->availableGeometry().width() : 760;
    resize(std::min(std::max(760, WidthForColumns(*table_, *layout())), screenWidth), 640);
}

void TimetableWindow::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* pickers = new QHBoxLayout;
    previous_ = Button(tr("< &Previous"), QStringLiteral("previousMonth"), this);
    next_ = Button(tr("&Next >"), QStringLiteral("nextMonth"), this);
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("monthPicker"));
    month_->setAccessibleName(tr("Month"));
    month_->addItems(MonthNames());
    // The caption names the month list for a screen reader (through the labelled-by relation:
    // on Linux a combo box is named by its item) and gives it an Alt key.
    auto* monthCaption = new QLabel(tr("&Month:"), this);
    monthCaption->setBuddy(month_);
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("yearPicker"));
    year_->setAccessibleName(tr("Year"));
    year_->setRange(1, 9999);
    pickers->addWidget(previous_);
    pickers->addWidget(monthCaption);
    pickers->addWidget(month_);
    pickers->addWidget(year_);
    pickers->addWidget(next_);
    pickers->addStretch();
    layout->addLayout(pickers);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("timetableHeading"));
    heading_->setWordWrap(true);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading_);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("timetableTable"));
    table_->setAccessibleName(tr("Prayer times of the month"));
    table_->setHorizontalHeaderLabels(TimetableHeaderTexts(false));
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The dates take what they need; the six times share the rest, but a Friday's Zuhr cell
    // ("Jumu'ah 12:05 PM") takes what it needs too.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2 + SlotIndex(PrayerSlot::kZuhr),
                                                     QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* csv = Button(tr("Export &CSV..."), QStringLiteral("exportCsv"), this);
    QPushButton* ics = Button(tr("Export &iCalendar..."), QStringLiteral("exportIcs"), this);
    QPushButton* print = Button(tr("P&rint..."), QStringLiteral("printMonth"), this);
    QPushButton* pdf = Button(tr("Save as P&DF..."), QStringLiteral("savePdf"), this);
    QPushButton* close = Button(tr("C&lose"), QStringLiteral("closeTimetable"), this);
    for (QPushButton* button : {csv, ics, print, pdf}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { Step(1); });
    connect(month_, &QComboBox::currentIndexChanged, this, &TimetableWindow::OnPickersChanged);
    connect(year_, &QSpinBox::valueChanged, this, &TimetableWindow::OnPickersChanged);
    connect(csv, &QPushButton::clicked, this, [this] { AskAndExport(ExportFormat::kCsv); });
    connect(ics, &QPushButton::clicked, this, [this] { AskAndExport(ExportFormat::kICalendar); });
    connect(print, &QPushButton::clicked, this, &TimetableWindow::OpenPrintDialog);
    connect(pdf, &QPushButton::clicked, this, &TimetableWindow::AskAndSavePdf);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TimetableWindow::Step(int months) {
    const int index = year_->value() * 12 + month_->currentIndex() + months;
    if (index / 12 >= 1 && index / 12 <= 9999) {
        ShowMonth(index / 12, index % 12 + 1);
    }
}

void TimetableWindow::OnPickersChanged() {
    ShowMonth(year_->value(), month_->currentIndex() + 1);
}

void TimetableWindow::ShowMonth(int year, int month) {
    MonthRequest request = context_.inputs ? context_.inputs() : MonthRequest{};
    request.year = year;
    request.month = month;
    {
        const QSignalBlocker blockMonth(month_);
        const QSignalBlocker blockYear(year_);
        month_->setCurrentIndex(month - 1);
        year_->setValue(year);
    }
    FillTable(request);
}

void TimetableWindow::FillTable(const MonthRequest& request) {
    shown_ = request;
    std::optional<std::vector<DatedRow>> days = ComputeMonth(request);
    days_ = days ? std::move(*days) : std::vector<DatedRow>{};
    const int columns = kColumns + (request.nightTimes ? kNightColumns : 0);
    if (table_->columnCount() != columns) {
        table_->setColumnCount(columns);
        table_->setHorizontalHeaderLabels(TimetableHeaderTexts(request.nightTimes));
        // Nine times do not fit side by side: each column as wide as its texts, scrolled.
        if (request.nightTimes) {
            table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        }
    }
    table_->setRowCount(static_cast<int>(days_.size()));
    const QString place = QString::fromStdString(request.city.name);
    heading_->setText(RightToLeftLines(
        days
            ? tr("%1 \u2014 %2\n%3\n%4")
                  .arg(Isolated(place), MonthTitle(request.year, request.month),
                       Isolated(MethodOfDays(request.settings, request.choice, place, days_)),
                       QiblaDisplay(QiblaFrom(request.city.latitudeRad, request.city.longitudeRad)))
            : tr("The times of %1 cannot be computed: the rules of its time zone cannot be "
                 "read.")
                  .arg(place)));
    const std::optional<CivilDate> today = context_.today ? context_.today() : std::nullopt;
    todayRow_ = -1;
    for (int r = 0; r < static_cast<int>(days_.size()); ++r) {
        const DatedRow& day = days_[static_cast<std::size_t>(r)];
        const bool isToday = today && day.date.year == today->year &&
                             day.date.month == today->month && day.date.day == today->day;
        QStringList texts = RowTexts(day);
        if (isToday) {
            // Marked in words and in bold, not by colour alone.
            texts[0] = tr("%1 (today)").arg(texts[0]);
            todayRow_ = r;
        }
        for (int c = 0; c < columns && c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            if (isToday) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table_->setItem(r, c, item);
        }
    }
    if (todayRow_ >= 0) {
        table_->selectRow(todayRow_);
        table_->scrollToItem(table_->item(todayRow_, 0));
    } else {
        table_->clearSelection();
    }
}

PrintedMonth TimetableWindow::Page() const {
    return PrintedMonth{
        QString::fromStdString(shown_.city.name), MonthTitle(shown_.year, shown_.month),
        MethodOfDays(shown_.settings, shown_.choice, QString::fromStdString(shown_.city.name),
                     days_),
        QiblaDisplay(QiblaFrom(shown_.city.latitudeRad, shown_.city.longitudeRad)), days_};
}

bool TimetableWindow::ExportMonth(const QString& path, ExportFormat format) {
    const std::int64_t now = context_.nowUtc ? context_.nowUtc() : 0;
    const ReplaceStatus status =
        days_.empty() ? ReplaceStatus::kFailed
                      : ExportTimetable(path, format, shown_.city, days_, shown_.choice, now);
    ReportFailure(status, tr("The timetable could not be written to %1.").arg(path), path);
    return status == ReplaceStatus::kReplaced;
}

bool TimetableWindow::SavePdf(const QString& path, const QPageSize& paper) {
    const std::optional<QByteArray> pdf =
        days_.empty() ? std::nullopt
                      : MonthPdf(Page(), paper, MonthTitle(shown_.year, shown_.month));
    const ReplaceStatus status = pdf ? SaveExportedFile(path, *pdf) : ReplaceStatus::kFailed;
    ReportFailure(status, tr("The timetable could not be saved as %1.").arg(path), path);
    return status == ReplaceStatus::kReplaced;
}

void TimetableWindow::ReportFailure(ReplaceStatus status, const QString& failed,
                                    const QString& path) {
    if (status == ReplaceStatus::kReplaced || !context_.report) {
        return;
    }
    if (status == ReplaceStatus::kNotRegular) {
        context_.report(tr("%1 is not a regular file (it is a device, a FIFO, a socket or a "
                           "folder); the timetable was not written to it.")
                            .arg(path));
    } else if (status == ReplaceStatus::kNoSpace) {
        context_.report(failed + QLatin1Char(' ') +
                        tr("The disk is full; the file was left as it was."));
    } else {
        context_.report(failed);
    }
}

void TimetableWindow::AskAndExport(ExportFormat format) {
    const bool csv = format == ExportFormat::kCsv;
    const QString path =
        context_.chooseFile
            ? context_.chooseFile(this, csv ? tr("Export as CSV") : tr("Export as iCalendar"),
                                  csv ? tr("CSV files (*.csv)") : tr("iCalendar files (*.ics)"),
                                  SuggestedFileName(csv ? "csv" : "ics"))
            : QString();
    if (!path.isEmpty()) {
        (void)ExportMonth(path, format);
    }
}

QString TimetableWindow::SuggestedFileName(const char* extension) const {
    // A slash would name a folder; the month in ISO digits sorts and reads in any language.
    QString city = QString::fromStdString(shown_.city.name);
    city.replace(QLatin1Char('/'), QLatin1Char('-'));
    // One pass over the places, so that a "%2" inside a city's name stays as it is.
    return QStringLiteral("%1 %2-%3.%4")
        .arg(city, QStringLiteral("%1").arg(shown_.year, 4, 10, QLatin1Char('0')),
             QStringLiteral("%1").arg(shown_.month, 2, 10, QLatin1Char('0')),
             QString::fromLatin1(extension));
}

void TimetableWindow::AskAndSavePdf() {
    const QString path = context_.chooseFile
                             ? context_.chooseFile(this, tr("Save as PDF"), tr("PDF files (*.pdf)"),
                                                   SuggestedFileName("pdf"))
                             : QString();
    if (!path.isEmpty()) {
        (void)SavePdf(path, DefaultPaper());
    }
}

QPageSize TimetableWindow::DefaultPaper() {
    // The locale's paper, when the print module cannot tell the printer's.
    QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                        ? QPageSize::Letter
                        : QPageSize::A4);
    QString problem;
    if (const auto fill = reinterpret_cast<DefaultPaperFn>(
            ModuleFunction(QString::fromLatin1(kPrintModule), kDefaultPaper, problem))) {
        fill(paper);
    } else {
        qWarning("%s", qUtf8Printable(problem));
    }
    return paper;
}

void TimetableWindow::OpenPrintDialog() {
    QString problem;
    const auto print = reinterpret_cast<PrintWithDialogFn>(
        ModuleFunction(QString::fromLatin1(kPrintModule), kPrintWithDialog, problem));
    const PrintOutcome outcome =
        print == nullptr ? PrintOutcome::kFailed
                         : print(this, tr("Print Timetable"), [this](QPagedPaintDevice& device) {
                               return PaintMonth(device, Page());
                           });
    if (print == nullptr) {
        qWarning("%s", qUtf8Printable(problem));
    }
    if (outcome == PrintOutcome::kFailed && context_.report) {
        context_.report(tr("The timetable could not be printed."));
    }
}

}  // namespace orvanta
