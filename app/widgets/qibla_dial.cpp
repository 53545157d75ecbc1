#include "app/widgets/qibla_dial.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>

namespace orvanta {

namespace {

// The needle's length and the north mark's, as parts of the ring's radius.
constexpr double kNeedleReach = 0.8;
constexpr double kNorthMarkReach = 0.35;

}  // namespace

QiblaDial::QiblaDial(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setVisible(false);
}

void QiblaDial::SetBearing(std::optional<double> degreesFromNorth) {
    bearingDeg_ = degreesFromNorth;
    setVisible(bearingDeg_.has_value());
    update();
}

QSize QiblaDial::sizeHint() const {
    const int side = fontMetrics().height() + 4;
    return {side, side};
}

void QiblaDial::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Screen y grows downwards: a bearing b (clockwise from north) points along
    // (sin b, -cos b) from the centre.
    const QPointF centre = QRectF(rect()).center();
    const double radius = std::min(width(), height()) / 2.0 - 1.0;
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 1.0));
    painter.drawEllipse(centre, radius, radius);
    // North: a small wedge inside the top of the ring.
    QPainterPath north;
    north.moveTo(centre + QPointF(0.0, -radius));
    north.lineTo(centre + QPointF(-radius * kNorthMarkReach / 2, -radius * (1 - kNorthMarkReach)));
    north.lineTo(centre + QPointF(radius * kNorthMarkReach / 2, -radius * (1 - kNorthMarkReach)));
    north.closeSubpath();
    painter.fillPath(north, ink);
    if (!bearingDeg_) {
        return;
    }
    const double bearingRad = *bearingDeg_ * std::numbers::pi / 180.0;
    const QPointF tip =
        centre + radius * kNeedleReach * QPointF(std::sin(bearingRad), -std::cos(bearingRad));
    painter.setPen(QPen(palette().color(QPalette::Highlight), std::max(1.5, radius / 5.0),
                        Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);
}

}  // namespace orvanta
