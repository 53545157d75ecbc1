#include "app/about_dialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>

#include "app/app_resources.h"
#include "app/fixed_size_dialog.h"
#include "resources/string_table.h"
#include "ui_about.h"

namespace orvanta {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui_(new Ui::AboutDialog) {
    ui_->setupUi(this);
    setWindowTitle(QString::fromUtf8(strings::kAboutTitle));
    ui_->nameLine->setText(QString::fromUtf8(strings::kAboutName));
    ui_->programLine->setText(QString::fromUtf8(strings::kAboutProgramLine));
    ui_->dataLine->setText(QString::fromUtf8(strings::kAboutDataLine));
    ui_->icon->setPixmap(AppIcon().pixmap(48, 48));
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    MakeFixedSize(*this);
}

AboutDialog::~AboutDialog() {
    delete ui_;
}

void AboutDialog::reject() {}

void AboutDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Accepted);
}

}  // namespace orvanta
