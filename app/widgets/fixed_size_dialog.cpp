#include "app/widgets/fixed_size_dialog.h"

#include <QDialog>
#include <QLayout>

namespace orvanta {

void MakeFixedSize(QDialog& dialog) {
    if (QLayout* layout = dialog.layout()) {
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    dialog.setSizeGripEnabled(false);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

}  // namespace orvanta
