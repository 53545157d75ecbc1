#include "app/options/reminder_page.h"

#include <array>

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/reminders/reminder_scheduler.h"
#include "app/text/count_text.h"

namespace orvanta {
namespace {

// The six boxes' captions (the prayers' names), each with its own Alt key on the page.
constexpr std::array<const char*, kPrayerCount> kPrayerCaptions = {
    QT_TRANSLATE_NOOP("orvanta::ReminderPage", "Fa&jr (Dawn)"),
    QT_TRANSLATE_NOOP("orvanta::ReminderPage", "Sh&uruq (Sunrise)"),
    QT_TRANSLATE_NOOP("orvanta::ReminderPage", "&Zuhr (Noon)"),
    QT_TRANSLATE_NOOP("orvanta::ReminderPage", "As&r (Afternoon)"),
    QT_TRANSLATE_NOOP("orvanta::ReminderPage", "&Maghrib (Sunset)"),
    QT_TRANSLATE_NOOP("orvanta::ReminderPage", "&Isha (Night)")};

// A caption for field, reached with its Alt key.
QLabel* Caption(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}

QPushButton* Button(const QString& text, const QString& accessibleName, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setAccessibleName(accessibleName);
    return button;
}

}  // namespace

ReminderPage::ReminderPage(const ReminderChoice& choice, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreatePrayerBoxes());
    layout->addWidget(CreateSoundControls());
    layout->addStretch();

    for (std::size_t s = 0; s < atPrayer_.size(); ++s) {
        atPrayer_[s]->setChecked(choice.atPrayer[s]);
    }
    minutesBefore_->setValue(choice.minutesBefore);
    jumuahMinutes_->setValue(choice.jumuahMinutesBefore);
    sound_->setChecked(choice.sound);
    soundFile_->setText(QString::fromStdString(choice.soundFile));
    volume_->setValue(choice.volumePercent);
    EnableSoundControls();
    connect(sound_, &QCheckBox::toggled, this, &ReminderPage::EnableSoundControls);
}

QWidget* ReminderPage::CreatePrayerBoxes() {
    auto* group = new QGroupBox(tr("Remind me at"));
    auto* grid = new QGridLayout(group);
    for (int s = 0; s < kPrayerCount; ++s) {
        const QString name = PrayerNameText(static_cast<PrayerSlot>(s));
        auto* box = new QCheckBox(tr(kPrayerCaptions[static_cast<std::size_t>(s)]));
        box->setObjectName(QStringLiteral("remindAt%1").arg(s));
        box->setAccessibleName(tr("Remind me at %1").arg(name));
        atPrayer_[static_cast<std::size_t>(s)] = box;
        grid->addWidget(box, s % 3, s / 3);  // two columns: the morning, the afternoon
    }
    minutesBefore_ = new QSpinBox;
    minutesBefore_->setObjectName(QStringLiteral("minutesBefore"));
    minutesBefore_->setRange(0, kMaxMinutesBefore);
    FollowValueWithSuffix(*minutesBefore_, "orvanta::ReminderPage",
                          QT_TRANSLATE_N_NOOP("orvanta::ReminderPage", " min before"));
    minutesBefore_->setSpecialValueText(tr("None"));
    minutesBefore_->setAccessibleName(tr("Early reminder, minutes before the time"));
    auto* early = new QLabel(tr("&Early reminder:"));
    early->setBuddy(minutesBefore_);
    auto* row = new QHBoxLayout;
    row->addWidget(early);
    row->addWidget(minutesBefore_);
    row->addStretch();
    grid->addLayout(row, 3, 0, 1, 2);
    jumuahMinutes_ = new QSpinBox;
    jumuahMinutes_->setObjectName(QStringLiteral("jumuahMinutes"));
    jumuahMinutes_->setRange(0, kMaxJumuahMinutesBefore);
    jumuahMinutes_->setSuffix(tr(" min before"));
    jumuahMinutes_->setSpecialValueText(tr("None"));
    jumuahMinutes_->setAccessibleName(tr("Reminder before Jumu'ah on Fridays, minutes"));
    auto* jumuah = new QLabel(tr("Bef&ore Jumu'ah (Fridays):"));
    jumuah->setBuddy(jumuahMinutes_);
    auto* jumuahRow = new QHBoxLayout;
    jumuahRow->addWidget(jumuah);
    jumuahRow->addWidget(jumuahMinutes_);
    jumuahRow->addStretch();
    grid->addLayout(jumuahRow, 4, 0, 1, 2);
    return group;
}

QWidget* ReminderPage::CreateSoundControls() {
    auto* group = new QGroupBox(tr("Sound"));
    auto* layout = new QVBoxLayout(group);
    sound_ = new QCheckBox(tr("&Play a sound with each reminder"));
    sound_->setObjectName(QStringLiteral("reminderSound"));
    sound_->setAccessibleName(tr("Play a sound with each reminder"));
    layout->addWidget(sound_);

    soundControls_ = new QWidget;
    auto* form = new QFormLayout(soundControls_);
    form->setContentsMargins(0, 0, 0, 0);
    soundFile_ = new QLineEdit;
    soundFile_->setObjectName(QStringLiteral("soundFile"));
    soundFile_->setPlaceholderText(tr("Built-in chime"));
    soundFile_->setAccessibleName(tr("Sound file"));
    auto* choose = Button(tr("C&hoose..."), tr("Choose a sound file"), "chooseSound");
    auto* builtIn = Button(tr("&Built-in"), tr("Use the built-in chime"), "builtInSound");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(soundFile_, 1);
    fileRow->addWidget(choose);
    fileRow->addWidget(builtIn);
    form->addRow(Caption(tr("&File:"), soundFile_), fileRow);

    volume_ = new QSlider(Qt::Horizontal);
    volume_->setObjectName(QStringLiteral("volume"));
    volume_->setRange(0, 100);
    volume_->setPageStep(10);
    volume_->setAccessibleName(tr("Volume"));
    auto* play = Button(tr("P&lay"), tr("Play the sound now"), "playSound");
    auto* stop = Button(tr("&Stop"), tr("Stop the sound"), "stopSound");
    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volume_, 1);
    volumeRow->addWidget(play);
    volumeRow->addWidget(stop);
    form->addRow(Caption(tr("&Volume:"), volume_), volumeRow);
    layout->addWidget(soundControls_);

    connect(choose, &QPushButton::clicked, this, &ReminderPage::ChooseSoundFile);
    connect(builtIn, &QPushButton::clicked, soundFile_, &QLineEdit::clear);
    connect(play, &QPushButton::clicked, this, [this] { emit playRequested(Choice()); });
    connect(stop, &QPushButton::clicked, this, &ReminderPage::stopRequested);
    return group;
}

void ReminderPage::ChooseSoundFile() {
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Reminder sound"), soundFile_->text(),
        tr("Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)"));
    if (!file.isEmpty()) {
        soundFile_->setText(file);
    }
}

void ReminderPage::EnableSoundControls() {
    soundControls_->setEnabled(sound_->isChecked());
}

ReminderChoice ReminderPage::Choice() const {
    ReminderChoice choice;
    for (std::size_t s = 0; s < atPrayer_.size(); ++s) {
        choice.atPrayer[s] = atPrayer_[s]->isChecked();
    }
    choice.minutesBefore = minutesBefore_->value();
    choice.jumuahMinutesBefore = jumuahMinutes_->value();
    choice.sound = sound_->isChecked();
    choice.soundFile = soundFile_->text().toStdString();
    choice.volumePercent = volume_->value();
    return choice;
}

}  // namespace orvanta
