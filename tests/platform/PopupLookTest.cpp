#include "platform/ContextMenu.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;

namespace {

// The menu as it opens, painted, and then closed.
QImage PaintedMenu(const std::vector<bool>& enabled)
{
    QImage painted;
    QTimer::singleShot(0, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            painted = menu->grab().toImage();
            menu->close();
        }
    });
    ShowContextMenu(100, 100, {"Today", "Paste date"}, enabled);
    return painted;
}

QImage PaintedTooltip()
{
    QWidget owner;
    QToolTip::showText(QPoint(10, 10), "Sunday", &owner);
    QImage painted;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            painted = widget->grab().toImage();
    QToolTip::hideText();
    return painted;
}

// The pixels of the lower half, where the second entry lies, that differ from the menu's fill.
int InkOfSecondEntry(const QImage& menu)
{
    const QRgb fill = menu.pixel(menu.width() / 2, menu.height() / 2);
    int ink = 0;
    for (int y = menu.height() / 2; y < menu.height() - 3; ++y)
        for (int x = 3; x < menu.width() - 3; ++x)
            ink += menu.pixel(x, y) != fill ? 1 : 0;
    return ink;
}

double Lightness(QRgb pixel) { return QColor(pixel).lightnessF(); }

} // namespace

// In the dark scheme a menu and a tooltip stand out from the dark window by one grey edge,
// and a greyed entry is drawn once, without a lighter copy beside it.
TEST(PopupLook, DarkMenusAndTooltipsHaveAVisibleGreyEdgeAndGreyedEntriesNoShadow)
{
    UseColorScheme(ColorScheme::Dark);
    const QImage greyed = PaintedMenu({true, false});
    const QImage enabled = PaintedMenu({true, true});
    const QImage tooltip = PaintedTooltip();
    UseColorScheme(ColorScheme::Light);
    ASSERT_FALSE(greyed.isNull() || tooltip.isNull());

    const QColor window = DarkPalette().color(QPalette::Base);
    const QRgb menuEdge = greyed.pixel(0, greyed.height() / 2);
    EXPECT_GT(Lightness(menuEdge) - window.lightnessF(), 0.25) << "the menu's edge melts into the window";
    EXPECT_EQ(tooltip.pixel(0, tooltip.height() / 2), menuEdge) << "the tooltip's edge is the menu's";
    EXPECT_EQ(greyed.pixel(greyed.width() - 1, 2), menuEdge);
    EXPECT_LT(InkOfSecondEntry(greyed), InkOfSecondEntry(enabled) * 1.15) << "the greyed entry is drawn twice";
}
