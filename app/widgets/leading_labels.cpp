#include "app/widgets/leading_labels.h"

#include <QLabel>
#include <QWidget>

namespace orvanta {

void KeepLabelsOnLeadingSide(QWidget& root) {
    if (!root.isRightToLeft()) {
        return;
    }
    for (QLabel* label : root.findChildren<QLabel*>()) {
        const Qt::Alignment alignment = label->alignment();
        if ((alignment & Qt::AlignAbsolute) == 0 &&
            (alignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeading) {
            label->setAlignment(Qt::AlignAbsolute | Qt::AlignRight |
                                (alignment & Qt::AlignVertical_Mask));
        }
    }
}

}  // namespace orvanta
