// The Qibla dial points along its bearing, clockwise from north up, in either layout direction.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>

#include <cmath>
#include <numbers>
#include <optional>

#include "app/widgets/qibla_dial.h"

namespace orvanta {
namespace {

// Whether the needle's colour is at the point of the dial's image a fraction of its radius
// from the centre, towards the bearing degrees (clockwise from up).
bool NeedleAt(const QImage& image, double degrees, double fraction) {
    const double radius = image.width() / 2.0 - 1.0;
    const double rad = degrees * std::numbers::pi / 180.0;
    const auto x =
        static_cast<int>(std::lround(image.width() / 2.0 + fraction * radius * std::sin(rad)));
    const auto y =
        static_cast<int>(std::lround(image.height() / 2.0 - fraction * radius * std::cos(rad)));
    const QColor pixel = image.pixelColor(x, y);
    return pixel.red() > 200 && pixel.green() < 100 && pixel.blue() < 100;
}

TEST(QiblaDial, PointsClockwiseFromNorthInEitherDirection) {
    QWidget window;
    QiblaDial dial(&window);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Highlight, Qt::red);
    dial.setPalette(palette);
    dial.setAutoFillBackground(true);
    dial.resize(41, 41);
    const struct {
        const char* name;
        double bearing;  // degrees clockwise from north
    } rows[] = {{"north", 0.0},
                {"east", 90.0},
                {"Detroit", 52.0},
                {"Jakarta", 295.2},
                {"Buenos Aires", 211.5}};
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        dial.setLayoutDirection(direction);
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message()
                         << row.name << (direction == Qt::RightToLeft ? " rtl" : ""));
            dial.SetBearing(row.bearing);
            EXPECT_FALSE(dial.isHidden());
            const QImage image = dial.grab().toImage();
            EXPECT_TRUE(NeedleAt(image, row.bearing, 0.6));
            EXPECT_FALSE(NeedleAt(image, row.bearing + 180.0, 0.6));  // not mirrored or turned
            EXPECT_FALSE(NeedleAt(image, row.bearing + 90.0, 0.6));
            if (std::fmod(row.bearing, 180.0) != 0.0) {
                EXPECT_FALSE(NeedleAt(image, -row.bearing, 0.6));  // not counter-clockwise
            }
        }
    }
    // At the Kaaba or its antipode there is no one direction to draw.
    dial.SetBearing(std::nullopt);
    EXPECT_TRUE(dial.isHidden());
}

}  // namespace
}  // namespace orvanta
