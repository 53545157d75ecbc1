// Labels in a right-to-left layout.
#pragma once

class QWidget;

namespace orvanta {

// A label aligns by its own text's direction, so right to left a Latin caption ("City" under
// -reverse, a city's name) would stay on the left. Makes every label under root that aligns to
// its leading edge keep to the layout's leading edge instead, which is the right edge while
// root lays out right to left; does nothing left to right.
void KeepLabelsOnLeadingSide(QWidget& root);

}  // namespace orvanta
