#include "app/window/main_window.h"

#include <array>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QtGlobal>

#include "app/day/daily_command.h"
#include "app/day/day_watch.h"
#include "app/month/timetable_window.h"
#include "app/options/options_dialog.h"
#include "app/reminders/reminders.h"
#include "app/text/bidi_text.h"
#include "app/text/calendar_texts.h"
#include "app/text/display_text.h"
#include "app/text/settings_log.h"
#include "app/text/time_display.h"
#include "app/text/ui_language.h"
#include "app/widgets/accessible_content.h"
#include "app/widgets/leading_labels.h"
#include "app/widgets/qibla_dial.h"
#include "app/window/about_dialog.h"
#include "app/window/companion_tray.h"
#include "app/window/window_placement.h"
#include "astro/qibla.h"
#include "hijri/hijri_date.h"
#include "resources/string_table.h"
#include "timetable/civil_time.h"

namespace orvanta {
namespace {

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The window's texts of resources/string_table.h; lupdate collects them from here, and
// MainWindow::tr finds their translations by the same English text.
[[maybe_unused]] constexpr std::array<const char*, 5> kWindowTexts = {
    QT_TRANSLATE_NOOP("orvanta::MainWindow", "&Tools"),
    QT_TRANSLATE_NOOP("orvanta::MainWindow", "Prayer"),
    QT_TRANSLATE_NOOP("orvanta::MainWindow", "Time"),
    //: The caption before the city's name; the space keeps it off the field.
    QT_TRANSLATE_NOOP("orvanta::MainWindow", "Location "),
    //: The caption before the date; the space keeps it off the field.
    QT_TRANSLATE_NOOP("orvanta::MainWindow", "Date "),
};

// A control that shows a value the user cannot change: disabled, so that it takes no input, but
// with the normal text colour so that it stays easy to read.
void MakeReadOnlyDisplay(QWidget* widget) {
    widget->setEnabled(false);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Active, QPalette::Base));
    widget->setPalette(palette);
}

// The notices as the text of one message box: each a sentence of its own, in a paragraph.
std::string NoticeBoxText(const std::vector<Notice>& notices) {
    QStringList sentences;
    for (const Notice& notice : notices) {
        sentences.append(NoticeSentence(notice));
    }
    return sentences.join(QStringLiteral("\n\n")).toStdString();
}

// A dialog that runs modal over the whole program without blocking the caller's stack, and is
// deleted when it closes.
void ShowModal(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

// Makes the list at least as tall as its header, a row for each prayer and its frame, so that
// the window at its least height still shows all six (rows are of one height; the first
// row's is that of the language's font).
void KeepEveryPrayerVisible(QTreeWidget& list) {
    list.setMinimumHeight(list.header()->sizeHint().height() +
                          kPrayerCount * list.sizeHintForRow(0) + 2 * list.frameWidth());
}

}  // namespace

MainWindow::MainWindow(AppRecords& records, const Services& services, QuitFn quit, QWidget* parent)
    : QMainWindow(parent),
      records_(records),
      services_(services),
      quit_(std::move(quit)),
      reminders_(new Reminders(services.clock, services.notices, this)),
      watch_(new DayWatch(services.clock, this)),
      trayAvailable_(&QSystemTrayIcon::isSystemTrayAvailable) {
    setObjectName(QString::fromUtf8(strings::kClassName));
    setWindowTitle(QString::fromUtf8(strings::kTitle));
    records_.window.mainWindow = this;

    services_.settings.Load(records_.settings, records_.city);
    records_.method = services_.settings.LoadMethod();
    records_.hijri = services_.settings.LoadHijri();
    LogUnreadableHijriOffset(records_.hijri);
    LogUnreadableValues("method", records_.method.unreadable);
    records_.display = services_.settings.LoadDisplay();
    UseClockStyle(records_.display.clock);
    LogUnreadableValues("display", records_.display.unreadable);
    reminderSettings_ = services_.settings.LoadReminders();
    LogUnreadableValues("reminder", reminderSettings_.unreadable);
    reminders_->SetChoice(reminderSettings_.choice);
    connect(reminders_, &Reminders::noticeAdded, this, &MainWindow::ShowPendingNotices,
            Qt::QueuedConnection);
    records_.companion = services_.settings.LoadCompanion();
    LogUnreadableValues("window and tray", records_.companion.unreadable);
    connect(watch_, &DayWatch::tick, this, &MainWindow::ShowNextPrayer);
    // A roll-over does what Calculate does, with the settings in effect.
    connect(watch_, &DayWatch::rollOverDue, this, &MainWindow::Calculate);
    CreateMenuBar();
    CreateControls();
    Calculate();
    resize(400, 330);
    if (records_.companion.placement) {
        RestorePlacement(*this, *records_.companion.placement);
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenuBar() {
    QMenu* tools = menuBar()->addMenu(tr(strings::kTools));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    // Each item owns its key, which the menu shows beside it; the window holds the actions too,
    // so that a key works while the menu is closed.
    const auto add = [this, tools](const QString& text, const char* name, const QKeySequence& key,
                                   const auto& run) {
        QAction* action = tools->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, run);
    };
    add(tr("&Calculate"), "toolsCalculate", {}, &MainWindow::Calculate);
    add(tr("&Options"), "toolsOptions", {}, &MainWindow::OpenOptions);
    add(tr("&Timetable..."), "toolsTimetable", {}, &MainWindow::OpenTimetable);
    add(tr("About"), "toolsAbout", QKeySequence(Qt::CTRL | Qt::Key_A), &MainWindow::OpenAbout);
    tools->addSeparator();
    // Exit closes the window, which ends the program; with a tray icon closing would only hide
    // the window, so the program ends at once.
    add(tr("E&xit"), "toolsExit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] {
        if (tray_ != nullptr) {
            Quit();
        } else {
            close();
        }
    });
}

void MainWindow::CreateControls() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(6, 6, 6, 6);

    auto* locationLabel = new QLabel(tr(strings::kLocationCaption), central);
    auto* cityDisplay = new QLineEdit(central);
    cityDisplay->setObjectName(QStringLiteral("cityDisplay"));
    cityDisplay->setReadOnly(true);
    MakeReadOnlyDisplay(cityDisplay);
    cityDisplay->setAccessibleName(tr("Location"));
    locationLabel->setBuddy(cityDisplay);
    grid->addWidget(locationLabel, 0, 0);
    grid->addWidget(cityDisplay, 0, 1);
    records_.window.cityDisplay = cityDisplay;
    ShowCity(records_.city.name);

    CreateDateRow(*central, *grid);

    auto* list = new QTreeWidget(central);
    list->setObjectName(QStringLiteral("listView"));
    list->setColumnCount(2);
    list->setHeaderLabels({tr(strings::kPrayerHeader), tr(strings::kTimeHeader)});
    list->setAccessibleName(tr("Prayer times"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    // Each column takes half of the list's width, also when the window is resized.
    list->header()->setSectionResizeMode(QHeaderView::Stretch);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(list, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);

    nextPrayer_ = new QLabel(central);
    nextPrayer_->setObjectName(QStringLiteral("nextPrayer"));
    nextPrayer_->setAccessibleName(tr("Next prayer"));
    grid->addWidget(nextPrayer_, 3, 0, 1, 2);
    // Shown only on a day whose times are a printed timetable's, so that the window without
    // one stays as it was.
    timesSource_ = new QLabel(central);
    timesSource_->setObjectName(QStringLiteral("timesSource"));
    timesSource_->setVisible(false);
    grid->addWidget(timesSource_, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    records_.window.listView = list;

    setCentralWidget(central);
    KeepLabelsOnLeadingSide(*central);
}

// The date row: the date, the Hijri date, and the Qibla as a dial and in degrees.
void MainWindow::CreateDateRow(QWidget& central, QGridLayout& grid) {
    auto* dateLabel = new QLabel(tr(strings::kDateCaption), &central);
    auto* datePicker = new QDateEdit(&central);
    datePicker->setObjectName(QStringLiteral("datePicker"));
    datePicker->setReadOnly(true);
    datePicker->setButtonSymbols(QAbstractSpinBox::NoButtons);
    // "6 Dec 2026", followed by the Hijri date.
    datePicker->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    MakeReadOnlyDisplay(datePicker);
    datePicker->setAccessibleName(tr("Date"));
    dateLabel->setBuddy(datePicker);
    if (const std::optional<CivilDate> today = services_.clock.Today()) {
        datePicker->setDate(QDate(today->year, today->month, today->day));
    }
    grid.addWidget(dateLabel, 1, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(datePicker);
    auto* hijriDate = new QLabel(&central);
    hijriDate->setObjectName(QStringLiteral("hijriDate"));
    hijriDate->setAccessibleName(tr("Hijri date"));
    auto* qibla = new QLabel(&central);
    qibla->setObjectName(QStringLiteral("qibla"));
    qibla->setAccessibleName(tr("Qibla direction"));
    auto* qiblaDial = new QiblaDial(&central);
    qiblaDial->setObjectName(QStringLiteral("qiblaDial"));
    qiblaDial->setAccessibleName(tr("Qibla dial"));
    dateRow->addWidget(hijriDate);
    dateRow->addStretch();
    dateRow->addWidget(qiblaDial);
    dateRow->addWidget(qibla);
    grid.addLayout(dateRow, 1, 1);
    records_.window.datePicker = datePicker;
    records_.window.hijriDate = hijriDate;
    records_.window.qibla = qibla;
    records_.window.qiblaDial = qiblaDial;
}

void MainWindow::Calculate() {
    if (!CalculateToday(records_, services_, this)) {
        return;
    }
    if (records_.window.datePicker) {
        // The date row names the day whose times the list shows, also after midnight.
        const TodayDate& today = records_.today;
        records_.window.datePicker->setDate(QDate(today.year, today.month, today.day));
    }
    // The lookup wrote the city's name as the database has it ("Tromsø" for "tromso").
    ShowCity(records_.city.name);
    ShowHijriDate();
    ShowQibla();
    const bool printed = records_.shownDay.printed;
    timesSource_->setText(printed ? QCoreApplication::translate("Timetable", "timetable of %1")
                                        .arg(Isolated(Text(records_.city.name)))
                                  : QString());
    timesSource_->setVisible(printed);
    // The daily command left the day the list shows, each event on its own clock.
    reminders_->SetDay(ReminderDayOf(Text(records_.city.name), records_.shownDay));
    watch_->SetDay(DayToWatch());
    ShowPendingNotices();
}

void MainWindow::OpenOptions() {
    const OptionsContext context{records_.settings,
                                 records_.city,
                                 services_,
                                 [this](const std::string& name) { ShowCity(name); },
                                 &records_.method,
                                 &reminderSettings_,
                                 [this](const ReminderChoice& c) { reminders_->TrySound(c); },
                                 [this] { reminders_->StopSound(); },
                                 &records_.companion,
                                 trayAvailable_ && trayAvailable_(),
                                 &records_.hijri,
                                 &records_.display};
    auto* dialog = new OptionsDialog(context, this);
    dialog->setObjectName(QStringLiteral("optionsDialog"));
    const CompanionSettings companionBefore = records_.companion;
    // A new clock style shows at once, and so does a new city: the Location field shows it at
    // OK, so the list must not go on showing the old city's times under its name. The method,
    // its number and the school take effect at the next calculation.
    const ClockStyle clockBefore = records_.display.clock;
    const std::string cityBefore = records_.settings.configuredCity;
    // The night's rows come and go at once too, and follow new Imsak minutes.
    const auto nightBefore =
        std::pair{records_.display.nightTimes, records_.method.choice.imsakMinutes};
    connect(dialog, &QDialog::accepted, this,
            [this, companionBefore, clockBefore, cityBefore, nightBefore] {
                background_ = false;  // the person's choice rules from now on
                ApplyTray();
                ApplyStartAtLogin(companionBefore);
                const bool newClock = records_.display.clock != clockBefore;
                if (newClock) {
                    UseClockStyle(records_.display.clock);
                }
                const bool newNight = nightBefore != std::pair{records_.display.nightTimes,
                                                               records_.method.choice.imsakMinutes};
                if (newClock || newNight || records_.settings.configuredCity != cityBefore) {
                    Calculate();
                }
            });
    // Saving and the suggestions may have moved a damaged file aside.
    connect(dialog, &QDialog::finished, this, &MainWindow::ShowPendingNotices,
            Qt::QueuedConnection);
    // A new offset applies at once; a new city waits for Calculate, as its times do.
    connect(dialog, &QDialog::accepted, this, &MainWindow::ShowHijriDate);
    // The reminders follow the page at once: they change no calculation.
    connect(dialog, &QDialog::accepted, this,
            [this] { reminders_->SetChoice(reminderSettings_.choice); });
    ShowModal(dialog);
}

void MainWindow::OpenAbout() {
    auto* dialog = new AboutDialog(this);
    dialog->setObjectName(QStringLiteral("aboutDialog"));
    ShowModal(dialog);
}

void MainWindow::ShowHijriDate() {
    const TodayDate& today = records_.today;
    const std::optional<HijriDate> hijri =
        HijriDateOf(CivilDate{today.year, today.month, today.day}, records_.hijri.offsetDays);
    if (records_.window.hijriDate) {
        // "6 Dec 2026 · 26 Jumada II 1448": the date picker shows the first part; on a day of
        // the Islamic year: "... · 1 Shawwal 1447 · Eid al-Fitr". The name says what the label
        // is; a screen reader reads the date itself from the description.
        const QString date = hijri ? HijriWithHoliday(*hijri) : QString();
        records_.window.hijriDate->setText(hijri ? DateSeparator() + date : QString());
        SetAccessibleContent(*records_.window.hijriDate, date);
    }
}

void MainWindow::ShowQibla() {
    const Qibla qibla = QiblaFrom(records_.city.latitudeRad, records_.city.longitudeRad);
    const bool bearing = qibla.kind == QiblaKind::kBearing;
    const QString text = QiblaDisplay(qibla);
    const QString spoken = bearing ? tr("%1, degrees clockwise from true north").arg(text) : text;
    if (records_.window.qibla) {
        records_.window.qibla->setText(text);
        SetAccessibleContent(*records_.window.qibla, spoken);
    }
    if (records_.window.qiblaDial) {
        records_.window.qiblaDial->SetBearing(bearing ? std::optional(qibla.degrees)
                                                      : std::nullopt);
        SetAccessibleContent(*records_.window.qiblaDial, spoken);
    }
}

void MainWindow::OpenTimetable() {
    TimetableContext context;
    context.inputs = [this] {
        MonthRequest request;
        request.city = records_.city;
        request.settings = records_.settings;
        request.choice = records_.method.choice;
        request.hijriOffsetDays = records_.hijri.offsetDays;
        request.nightTimes = records_.display.nightTimes;
        request.printed = [this, city = records_.city](std::int64_t first, std::int64_t last) {
            return PrintedDaysOf(services_, city, CivilFromDays(first), CivilFromDays(last));
        };
        return request;
    };
    context.today = [this] { return services_.clock.Today(); };
    context.nowUtc = [this] { return services_.clock.NowUtcSeconds(); };
    // Over the timetable window, so that the focus goes back to it; the suggested name's
    // extension is added when the person types a name without one.
    context.chooseFile = [](QWidget* parent, const QString& caption, const QString& filter,
                            const QString& suggested) {
        QFileDialog dialog(parent, caption, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
        dialog.selectFile(suggested);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
    };
    context.report = [this](const QString& text) {
        if (services_.showMessage) {
            services_.showMessage(text.toStdString(), strings::kTitle);
        }
    };
    auto* window = new TimetableWindow(std::move(context), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindow::ShowCity(const std::string& name) {
    if (records_.window.cityDisplay) {
        records_.window.cityDisplay->setText(Text(name));
        // A name longer than the field shows its beginning, where the city is named.
        records_.window.cityDisplay->setCursorPosition(0);
    }
    if (records_.window.listView) {
        // The city and date rows cannot take the focus; the list tells a screen reader both.
        const QDate date =
            records_.window.datePicker ? records_.window.datePicker->date() : QDate();
        listSubject_ = tr("Prayer times of %1 on %2").arg(Text(name), QLocale().toString(date));
        DescribeList();
    }
}

void MainWindow::DescribeList() {
    if (records_.window.listView) {
        SetAccessibleContent(*records_.window.listView,
                             nextMark_.isEmpty()
                                 ? listSubject_
                                 : tr("%1; next prayer: %2").arg(listSubject_, nextMark_));
    }
}

void MainWindow::ShowPendingNotices() {
    if (services_.notices == nullptr || !isVisible() || !services_.showMessage) {
        return;
    }
    const std::vector<Notice> notices = services_.notices->Take();
    if (!notices.empty()) {
        services_.showMessage(NoticeBoxText(notices), strings::kTitle);
    }
}

void MainWindow::BringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void MainWindow::DeleteAllRows() {
    if (records_.window.listView) {
        records_.window.listView->clear();
    }
}

int MainWindow::InsertRow(int position, std::string_view nameText) {
    QTreeWidget* list = records_.window.listView;
    if (list == nullptr || position < 0) {
        return -1;
    }
    const int at = std::min(position, list->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, Text(nameText));
    if (!CurrentLanguage()) {
        // The English times are padded to a fixed width ("  5:15 AM", " 12:30 PM"), so a
        // fixed-pitch font lines up their colons. Other languages' digits need their own font.
        item->setFont(1, QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
    list->insertTopLevelItem(at, item);
    KeepEveryPrayerVisible(*list);
    return at;
}

bool MainWindow::SetTimeText(int position, std::string_view timeText) {
    QTreeWidget* list = records_.window.listView;
    QTreeWidgetItem* item = list != nullptr ? list->topLevelItem(position) : nullptr;
    if (item == nullptr) {
        return false;
    }
    item->setText(1, Text(timeText));
    KeepEveryPrayerVisible(*list);
    // A screen reader says the row as "Asr (Afternoon), 3:29 PM".
    const QString spoken = SpokenRow(item->text(0), item->text(1), false);
    item->setData(0, Qt::AccessibleTextRole, spoken);
    item->setData(1, Qt::AccessibleTextRole, spoken);
    return true;
}

void MainWindow::RepaintWindow() {
    update();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    everShown_ = true;
    if (tray_ != nullptr) {
        tray_->SetWindowVisible(true);
    }
    QTimer::singleShot(0, this, &MainWindow::ShowPendingNotices);
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (tray_ != nullptr) {
        tray_->SetWindowVisible(false);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (tray_ != nullptr && !quitting_) {
        SavePlacement();
        event->ignore();
        hide();
        return;
    }
    event->accept();
    Quit();
}

}  // namespace orvanta
