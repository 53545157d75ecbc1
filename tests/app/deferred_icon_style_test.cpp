// The overflow buttons' icons, read at their first use, draw as the base style's do.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include <memory>

#include "app/widgets/deferred_icon_style.h"

namespace orvanta {
namespace {

TEST(DeferredIconStyle, DrawsEachIconAsItsBaseStyleDoes) {
    using S = QStyle;
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const auto& [icon, direction] : {std::pair{S::SP_ToolBarHorizontalExtensionButton, 0},
                                          {S::SP_ToolBarHorizontalExtensionButton, 1},
                                          {S::SP_ToolBarVerticalExtensionButton, 0},
                                          {S::SP_ArrowBack, 1}}) {  // passed through
        SCOPED_TRACE(testing::Message() << icon << (direction ? " right to left" : ""));
        QApplication::setLayoutDirection(direction ? Qt::RightToLeft : Qt::LeftToRight);
        const QIcon drawn = deferred.standardIcon(icon);
        const QIcon expected = base->standardIcon(icon);
        ASSERT_FALSE(drawn.isNull());
        EXPECT_EQ(drawn.availableSizes(), expected.availableSizes());
        EXPECT_EQ(drawn.actualSize(QSize(8, 8)), expected.actualSize(QSize(8, 8)));
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            EXPECT_EQ(drawn.pixmap(16, mode).toImage(), expected.pixmap(16, mode).toImage());
        }
    }
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

// The style an icon was made by may be deleted before the icon is first drawn (the application's
// style replaced); the icon then draws as the application's style of the moment does.
TEST(DeferredIconStyle, OutlivesTheStyleThatMadeIt) {
    auto* deferred = new DeferredIconStyle(QStyleFactory::create(QStringLiteral("Windows")));
    const QIcon icon = deferred->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    delete deferred;  // and its base style with it
    const QIcon expected =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_EQ(icon.pixmap(16).toImage(), expected.pixmap(16).toImage());
}

}  // namespace
}  // namespace orvanta
