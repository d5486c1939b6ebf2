#include "app/FontDescription.h"
#include "app/WindowOptions.h"

#include <gtest/gtest.h>

TEST(WindowOptions, FontDescriptionsGiveAFamilyAndAPointSize)
{
    const struct {
        const char* text;
        const char* family;
        double points;
    } cases[] = {
        {"Sans Bold 12", "Sans", 12}, {"DejaVu Serif Bold Italic 9.5", "DejaVu Serif", 9.5},
        {"Noto Sans, DejaVu Sans, 11", "Noto Sans", 11}, {"Monospace", "Monospace", 0}, {"14", "", 14},
        {"Sans 16px", "Sans", 12}, {"Sans 500", "Sans", 0}, {"Condensed", "", 0},
    };
    for (const auto& c : cases) {
        const app::FontDescription font = app::ParseFontDescription(QString::fromUtf8(c.text), 96);
        EXPECT_EQ(font.Family, QString::fromUtf8(c.family)) << c.text;
        EXPECT_DOUBLE_EQ(font.Points, c.points) << c.text;
    }
}

// Which of yad's options wins: --geometry's place, then --center, then --mouse with --posx and
// --posy taking over their coordinates.
TEST(WindowOptions, PlacementFollowsYadsOrderOfOptions)
{
    const auto placed = [](const app::PickerOptions& options) {
        const QRect screen(0, 0, 1000, 800);
        return platform::PlacedTopLeft(app::PlacementOf(options), screen, screen, QSize(200, 100), QPoint(300, 300));
    };
    app::PickerOptions options;
    EXPECT_EQ(placed(options), std::nullopt);
    options.posX = -10;
    options.mouse = true;
    EXPECT_EQ(placed(options), QPoint(790, 250));
    options.center = true;
    EXPECT_EQ(placed(options), QPoint(400, 350));
    options.geometry = QStringLiteral("300x200-0+40");
    EXPECT_EQ(placed(options), QPoint(800, 40));
    EXPECT_EQ(app::ParseWindowGeometry(options.geometry)->Size, QSize(300, 200));
}
