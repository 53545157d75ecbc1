// The About dialog: the program's icon, name and version, and two attribution lines.
#pragma once

#include <QDialog>

class QCloseEvent;

namespace Ui {
class AboutDialog;
}

namespace orvanta {

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // Escape closes the dialog as its OK button and its title bar's close button do, with
    // Accepted: there is nothing to cancel.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Ui::AboutDialog* ui_;
};

}  // namespace orvanta
