#include "app/FontDescription.h"

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
