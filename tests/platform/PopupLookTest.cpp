#include "platform/ContextMenu.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// The first pop-up that `open` shows, painted as it opens; and the pixels of its lower half (the
// second menu entry) that differ from its middle's.
QImage PaintedPopup(const std::function<void()>& open, int* lowerInk = nullptr)
{
    QImage painted;
    QTimer::singleShot(0, [&] {
        for (QWidget* popup : QApplication::topLevelWidgets())
            if (popup->isVisible() && (popup->inherits("QMenu") || popup->inherits("QTipLabel")))
                painted = popup->grab().toImage(), popup->close();
    });
    open();
    QCoreApplication::processEvents();
    for (int y = painted.height() / 2; lowerInk && y < painted.height() - 3; ++y)
        for (int x = 3; x < painted.width() - 3; ++x)
            *lowerInk += painted.pixel(x, y) != painted.pixel(painted.width() / 2, painted.height() / 2);
    return painted;
}

} // namespace

// In the dark scheme a menu and a tooltip stand out from the window by one grey edge, and a
// greyed entry is drawn once, without a lighter copy beside it.
TEST(PopupLook, DarkMenusAndTooltipsHaveAVisibleEdgeAndGreyedEntriesNoShadow)
{
    UseColorScheme(ColorScheme::Dark);
    int greyedInk = 0, enabledInk = 0;
    const QImage menu = PaintedPopup([] { ShowContextMenu(9, 9, {"Today", "Paste date"}, {true, false}); }, &greyedInk);
    PaintedPopup([] { ShowContextMenu(9, 9, {"Today", "Paste date"}); }, &enabledInk);
    QWidget owner;
    const QImage tooltip = PaintedPopup([&] { QToolTip::showText(QPoint(9, 9), "Sunday", &owner); });
    UseColorScheme(ColorScheme::Light);
    ASSERT_FALSE(menu.isNull() || tooltip.isNull());
    const QRgb edge = menu.pixel(0, menu.height() / 2);
    EXPECT_GT(QColor(edge).lightnessF() - DarkPalette().color(QPalette::Base).lightnessF(), 0.25) << "no visible edge";
    EXPECT_EQ(tooltip.pixel(0, tooltip.height() / 2), edge) << "the tooltip's edge is not the menu's";
    EXPECT_LT(greyedInk, enabledInk * 1.15) << "the greyed entry is drawn twice";
}
