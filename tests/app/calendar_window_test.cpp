// The calendar features of the window: the timetable's row of a day equals the main window's
// day, today's row marked, the months in order, the exports and the one-page PDF read back with
// poppler's tools, the Hijri date and Qibla of the date row and the offset on the Options page.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <string>
#include <tuple>
#include <vector>

#include "app/month/timetable_window.h"
#include "app/system/real_services.h"
#include "app/window/main_window.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Find;
using testing_support::RunTool;

// The main window over the fakes, with the system's real zone rules (as the timetable has).
class CalendarWindow : public testing_support::WindowTest {
  protected:
    void SetUp() override { world_.realZones = &zones_; }
    TimetableWindow* Timetable() {
        Run("toolsTimetable");
        return window_->findChild<TimetableWindow*>();
    }
    QString Label(const char* name) { return Find<QLabel>(window_.get(), name)->text(); }
    SystemZoneRules zones_;
};

QString Text(const QTableWidget* table, int row, int column) {
    return table->item(row, column)->text();
}

TEST_F(CalendarWindow, TodaysTimetableRowIsTheWindowsDay) {
    struct Row {
        std::string name;
        std::string city;
        CivilDate date;
        std::string preset;
        QString hijri;  // published: Ramadan 1447 and 1448 begin on these days, named
    };
    const std::vector<Row> rows = {
        {"Detroit, clocks forward", "Detroit, MI", {2026, 3, 8}, "classic", "19 Ramadan 1447"},
        // The clocks go forward at 22:00, between the day's events.
        {"Nuuk, clocks forward in the evening", "Nuuk", {2026, 3, 28}, "classic", "9 Shawwal 1447"},
        // Umm al-Qura's Isha moves to 120 minutes on the first day of Ramadan.
        {"Mecca, 1 Ramadan",
         "Mecca",
         {2027, 2, 8},
         "umm-al-qura",
         "1 Ramadan 1448 \u00B7 First of Ramadan"},
        // Eid al-Adha 1447: Wednesday 27 May 2026 (Umm al-Qura).
        {"Mecca, Eid al-Adha",
         "Mecca",
         {2026, 5, 27},
         "classic",
         "10 Dhu al-Hijjah 1447 \u00B7 Eid al-Adha"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Start(row.city, row.date, row.preset);
        const auto listed = Rows();
        TimetableWindow* timetable = Timetable();
        ASSERT_NE(timetable, nullptr);
        const auto* table = timetable->findChild<QTableWidget*>(QStringLiteral("timetableTable"));
        const int today = timetable->TodayRow();
        ASSERT_EQ(today, row.date.day - 1);
        ASSERT_EQ(listed.size(), 6U);
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_EQ(Text(table, today, 2 + s), QString::fromStdString(listed[s].second).trimmed())
                << s;
        }
        EXPECT_EQ(Text(table, today, 1), row.hijri);
        // Marked in words and in bold, and only today's row.
        EXPECT_TRUE(Text(table, today, 0).endsWith(QStringLiteral("(today)")));
        EXPECT_TRUE(table->item(today, 3)->font().bold());
        EXPECT_FALSE(table->item(today == 0 ? 1 : 0, 3)->font().bold());
        EXPECT_EQ(Label("hijriDate"), QStringLiteral("\u00B7 ") + row.hijri);
    }
}

// At its first size the timetable shows every column whole, also in the widest scripts, or takes
// the whole width of the screen (the tests' screen is 800 pixels wide).
TEST_F(CalendarWindow, EveryColumnShowsWholeAtFirst) {
    for (const char* language : {"en", "ar", "ur"}) {
        std::optional<testing_support::LanguageScope> scope;
        if (std::string_view(language) != "en") {
            scope.emplace(language);
        }
        Create();
        auto* table = Timetable()->findChild<QTableWidget*>(QStringLiteral("timetableTable"));
        table->window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table->window()));
        const int screenWidth = table->window()->screen()->availableGeometry().width();
        EXPECT_TRUE(table->horizontalScrollBar()->maximum() == 0 ||
                    table->window()->frameGeometry().width() >= screenWidth)
            << language << " " << table->horizontalHeader()->length() << " "
            << table->viewport()->width();
        table->window()->close();
    }
}

TEST_F(CalendarWindow, MonthsStepAcrossYearEndsAndOnlyTodaysMonthIsMarked) {
    Start("Detroit, MI", {2026, 12, 31});
    TimetableWindow* timetable = Timetable();
    ASSERT_NE(timetable, nullptr);
    const auto* year = timetable->findChild<QSpinBox*>(QStringLiteral("yearPicker"));
    for (const auto& [button, expectedYear, days, todayRow] :
         std::vector<std::tuple<const char*, int, std::size_t, int>>{
             {"nextMonth", 2027, 31, -1},
             {"previousMonth", 2026, 31, 30},
             {"previousMonth", 2026, 30, -1}}) {
        timetable->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        EXPECT_EQ(year->value(), expectedYear) << button;
        EXPECT_EQ(timetable->Days().size(), days) << button;
        EXPECT_EQ(timetable->TodayRow(), todayRow) << button;
    }
    timetable->ShowMonth(2026, 10);  // another month with a 31st
    EXPECT_EQ(timetable->TodayRow(), -1);
    timetable->ShowMonth(2024, 2);  // a leap February
    EXPECT_EQ(timetable->Days().size(), 29U);
    EXPECT_EQ(Label("qibla"), QStringLiteral("Qibla 52.0\u00B0"));  // by hand: 52.02
}

TEST_F(CalendarWindow, PdfIsOnePageOfEitherPaperAndExportsUseTheSharedWriters) {
    Start("Detroit, MI", {2026, 3, 20}, "isna");
    TimetableWindow* timetable = Timetable();
    ASSERT_NE(timetable, nullptr);
    const QTemporaryDir folder;
    for (const auto& [name, paper, size] :
         std::vector<std::tuple<QString, QPageSize::PageSizeId, QString>>{
             {QStringLiteral("a4.pdf"), QPageSize::A4, QStringLiteral("595 x 842 pts (A4)")},
             {QStringLiteral("letter.pdf"), QPageSize::Letter,
              QStringLiteral("612 x 792 pts (letter)")}}) {
        const QString path = folder.filePath(name);
        ASSERT_TRUE(timetable->SavePdf(path, QPageSize(paper))) << name.toStdString();
        const QString info = RunTool(QStringLiteral("pdfinfo"), {path}).second;
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
            << info.toStdString();
        EXPECT_TRUE(info.contains(size)) << info.toStdString();
        const QString text = RunTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                 .second;
        for (const QString& expected :
             {QStringLiteral("Detroit, MI"), QStringLiteral("March 2026"),
              QStringLiteral("North America: Fajr 15°, Isha 15°; high latitudes"),
              QStringLiteral("Qibla 52.0"), QStringLiteral("1 Shawwal 1447"),
              QStringLiteral("Tue 31")}) {
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                                 << text.toStdString();
        }
    }
    // The exports go through the command line's writers.
    const QString csvPath = folder.filePath(QStringLiteral("m.csv"));
    ASSERT_TRUE(timetable->ExportMonth(csvPath, ExportFormat::kCsv));
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString csvText = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(csvText.startsWith(QStringLiteral("date,prayer,hours,time,hijri\n")));
    EXPECT_EQ(csvText.count(QStringLiteral(",1447-10-01\n")),
              6);  // 1 Shawwal 1447: Eid al-Fitr in Saudi Arabia, 20 March 2026
    EXPECT_TRUE(world_.messages.empty());

    // The save dialog opens over the timetable with the city and month as the name, and adds
    // the extension to a name typed without one.
    QString suggested;
    QTimer::singleShot(0, timetable, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->parentWidget(), timetable);
        suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->setDirectory(folder.path());
        dialog->selectFile(QStringLiteral("typed"));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    Find<QPushButton>(timetable, "exportCsv")->click();
    EXPECT_EQ(suggested, QStringLiteral("Detroit, MI 2026-03.csv"));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("typed.csv"))));
}

// A file is replaced only when whole: with the disk full (a file size limit of 4096 bytes) the
// old file stays as it was; a FIFO or a device is refused, never replaced. Each failure is one
// message naming the file, and no temporary file is left.
TEST_F(CalendarWindow, AnExportThatCannotBeWrittenWholeLeavesTheTargetAsItWas) {
    Start("Detroit, MI", {2026, 3, 20}, "isna");
    TimetableWindow* timetable = Timetable();
    ASSERT_NE(timetable, nullptr);
    const QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("old")),
                  fifo = old + QStringLiteral("-fifo");
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3 && file.flush() &&
                ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    // The superuser could replace /dev/full itself: a copy of the device stands in for it.
    const QString device = ::geteuid() == 0 && ::mknod(QFile::encodeName(old + "-full").constData(),
                                                       S_IFCHR | 0600, ::makedev(1, 7)) == 0
                               ? old + "-full"
                               : QStringLiteral("/dev/full");
    const std::tuple<QString, bool, rlim_t, const char*> rows[] = {
        // target, PDF (else CSV), the largest file (bytes), what the message says
        {old, false, 4096, "The disk is full"},
        {old, true, 4096, "The disk is full"},
        {fifo, false, RLIM_INFINITY, "not a regular file"},
        {device, false, RLIM_INFINITY, "not a regular file"},
        {QStringLiteral("/nonexistent/m.csv"), false, RLIM_INFINITY, "could not be written"},
    };
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System);
    for (const auto& [path, pdf, largest, says] : rows) {
        SCOPED_TRACE(path.toStdString() + (pdf ? " PDF" : " CSV"));
        world_.messages.clear();
        const rlimit lower{largest, RLIM_INFINITY}, unlimited{RLIM_INFINITY, RLIM_INFINITY};
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed test
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lower), 0);
        EXPECT_FALSE(pdf ? timetable->SavePdf(path, QPageSize(QPageSize::A4))
                         : timetable->ExportMonth(path, ExportFormat::kCsv));
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, signal);
        ASSERT_EQ(world_.messages.size(), 1U);
        EXPECT_TRUE(world_.messages[0].text.find(path.toStdString()) != std::string::npos &&
                    world_.messages[0].text.find(says) != std::string::npos)
            << world_.messages[0].text;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System), before);
        EXPECT_TRUE(QFileInfo(old).size() == 3 && QFileInfo::exists(fifo) &&
                    !QFileInfo(fifo).isFile() && QFileInfo::exists("/dev/full") &&
                    !QFileInfo("/dev/full").isFile());
    }
}

TEST_F(CalendarWindow, TheOffsetIsStoredOnlyWhenChangedAndMovesTheDateRow) {
    struct Row {
        std::string name;
        int stored;
        bool unreadable;
        int chosen;
        int saves;
        QString shown;
    };
    const std::vector<Row> rows = {
        {"changed", 0, false, 1, 1, QStringLiteral("\u00B7 2 Ramadan 1447")},
        {"unchanged", -1, false, -1, 0, QStringLiteral("\u00B7 29 Sha'ban 1447")},
        // An unreadable stored value shows as 0 and stays in the file unless changed.
        {"unreadable kept", 0, true, 0, 0,
         QStringLiteral("\u00B7 1 Ramadan 1447 \u00B7 First of Ramadan")},
    };
    for (const Row& row : rows) {
        world_.hijri = {row.stored, row.unreadable};
        Start("Detroit, MI", {2026, 2, 18});
        world_.log.clear();
        OptionsDialog* options = OpenOptions();
        ASSERT_NE(options, nullptr) << row.name;
        auto* offset = Find<QSpinBox>(options, "hijriOffset");
        EXPECT_EQ(offset->value(), row.stored) << row.name;
        offset->setValue(row.chosen);
        Find<QPushButton>(options, "okButton")->click();
        EXPECT_EQ(testing_support::Count(world_.log, "save hijri"), row.saves) << row.name;
        EXPECT_EQ(Label("hijriDate"), row.shown) << row.name;
    }
}

}  // namespace
}  // namespace orvanta
