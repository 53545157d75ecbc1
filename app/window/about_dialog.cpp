#include "app/window/about_dialog.h"

#include <array>

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>

#include "app/system/app_resources.h"
#include "app/widgets/fixed_size_dialog.h"
#include "app/widgets/leading_labels.h"
#include "resources/string_table.h"
#include "ui_about.h"

namespace orvanta {
namespace {

// The dialog's texts of resources/string_table.h; lupdate collects them from here.
[[maybe_unused]] constexpr std::array<const char*, 3> kAboutTexts = {
    QT_TRANSLATE_NOOP("orvanta::AboutDialog", "About Orvanta"),
    QT_TRANSLATE_NOOP("orvanta::AboutDialog", "\u00a9 2026 The Orvanta developers, MIT"),
    QT_TRANSLATE_NOOP("orvanta::AboutDialog", "City data \u00a9 GeoNames, CC BY 4.0"),
};

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui_(new Ui::AboutDialog) {
    ui_->setupUi(this);
    setWindowTitle(tr(strings::kAboutTitle));
    // The program's name and version are not translated.
    ui_->nameLine->setText(QString::fromUtf8(strings::kAboutName));
    ui_->programLine->setText(tr(strings::kAboutProgramLine));
    ui_->dataLine->setText(tr(strings::kAboutDataLine));
    ui_->icon->setPixmap(AppIcon().pixmap(48, 48));
    KeepLabelsOnLeadingSide(*this);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    MakeFixedSize(*this);
}

AboutDialog::~AboutDialog() {
    delete ui_;
}

// Escape, like the title bar's close button, ends the dialog as OK does: it asks nothing.
void AboutDialog::reject() {
    done(QDialog::Accepted);
}

void AboutDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Accepted);
}

}  // namespace orvanta
