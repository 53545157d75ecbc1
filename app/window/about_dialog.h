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

    // Escape does nothing here; the dialog closes only through its OK button or its title
    // bar's close button, both with Accepted.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Ui::AboutDialog* ui_;
};

}  // namespace orvanta
