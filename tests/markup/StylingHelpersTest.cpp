#include "markup/modXaml.h"
#include "platform/Screen.h"
#include "platform/SystemColors.h"
#include "support/TestEnvironment.h"

#include <cmath>
#include <limits>

using namespace modXaml;

namespace {

uint32_t Bits(int32_t value) { return static_cast<uint32_t>(value); }
uint32_t AlphaOf(const markup::SolidColorBrushPtr& brush) { return Bits(brush->Color()) >> 24; }

} // namespace

TEST(StylingHelpers, TranslateColorKeepsPlainColoursAndLooksUpSystemOnes)
{
    EXPECT_EQ(TranslateColor(0xC0A080), 0xC0A080);
    EXPECT_EQ(Bits(TranslateColor(static_cast<int32_t>(0x80000012u))), platform::GetSysColor(18));
    EXPECT_EQ(Bits(TranslateColor(static_cast<int32_t>(0x80000005u))), platform::GetSysColor(5));
    EXPECT_EQ(TranslateColor(-1), 0) << "index 0xFFFFFF lies outside the system colour table";
}

TEST(StylingHelpers, AlphaFromTransparencyRoundsHalvesToEven)
{
    const struct {
        float percent;
        uint32_t alpha;
    } cases[] = {{0, 0xFF000000}, {50, 0x80000000}, {75, 0x40000000}, {90, 0x1A000000},
                 {95, 0x0D000000}, {30, 0xB2000000}, {100, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Bits(AlphaFromTransparency(c.percent)), c.alpha) << c.percent;
    EXPECT_EQ(AlphaFromTransparency(0), -16777216);
    EXPECT_EQ(AlphaFromTransparency(50), std::numeric_limits<int32_t>::min());
    for (float refused : {-0.5f, 100.5f, std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::infinity()})
        EXPECT_RUNTIME_ERROR(AlphaFromTransparency(refused), runtime::ErrInvalidCall);
}

TEST(StylingHelpers, CreateBrushAddsAlphaAndStepsDownTransparenciesThatVanish)
{
    const int32_t steel = 128 + 256 * 160 + 65536 * 192;
    EXPECT_EQ(Bits(CreateBrush(steel, 90)->Color()), 0x1AC0A080u);
    EXPECT_EQ(Bits(CreateBrush(steel, 50)->Color()), 0x80C0A080u);
    EXPECT_EQ(Bits(CreateBrush(0, 90)->Color()), 0x1A000000u);
    EXPECT_EQ(AlphaOf(CreateBrush(steel, 0)), 0xFFu);
    EXPECT_EQ(AlphaOf(CreateBrush(steel, 99.9f)), 1u);
    EXPECT_EQ(AlphaOf(CreateBrush(steel, 99.8f)), 1u);
    EXPECT_EQ(CreateBrush(steel, 100), nullptr);
    EXPECT_NE(CreateBrush(steel, 90), CreateBrush(steel, 90)) << "brushes are never shared";

    const auto buttonText = CreateBrush(static_cast<int32_t>(0x80000012u), 0);
    EXPECT_EQ(Bits(buttonText->Color()), 0xFF000000u | platform::GetSysColor(18));

    EXPECT_RUNTIME_ERROR(CreateBrush(0x7FFFFFFF, 75), runtime::ErrOverflow);
    EXPECT_RUNTIME_ERROR(CreateBrush(steel, 100.5f), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(CreateBrush(steel, -1), runtime::ErrInvalidCall);
}

TEST(StylingHelpers, CreateThicknessMakesANewObjectEveryCall)
{
    const auto first = CreateThickness(4, 4, 4, 4);
    const auto second = CreateThickness(4, 4, 4, 4);
    EXPECT_NE(first, second);
    const auto uneven = CreateThickness(0, 0, 1, 0);
    EXPECT_EQ(uneven->Left + uneven->Top + uneven->Bottom, 0);
    EXPECT_EQ(uneven->Right, 1);
}

TEST(StylingHelpers, PointsToPixelsFollowsTheScreenDensity)
{
    const struct {
        double dpi;
        int32_t points;
        float pixels;
    } cases[] = {{96, 7, 9.333333f}, {96, 8, 10.666667f}, {96, 12, 16}, {96, 0, 0},
                 {120, 8, 13.333333f}, {144, 8, 16}, {144, 12, 24}};
    for (const auto& c : cases) {
        platform::UseLogicalDpi(c.dpi);
        EXPECT_FLOAT_EQ(PointsToPixels(c.points), c.pixels) << c.dpi << " dpi, " << c.points << " pt";
    }
    platform::UseLogicalDpi(96);
    EXPECT_RUNTIME_ERROR(PointsToPixels(std::numeric_limits<int32_t>::max() / 50), runtime::ErrOverflow);
}

TEST(StylingHelpers, EscapeXamlWritesEntitiesAndLineBreaksInOrder)
{
    EXPECT_EQ(EscapeXaml("a&b<c>d'e\"f"), "a&amp;b&lt;c&gt;d&apos;e&quot;f");
    EXPECT_EQ(EscapeXaml("x\r\n\ry"), "x<LineBreak/><LineBreak/>y");
    EXPECT_EQ(EscapeXaml("x\n\r\ny"), "x<LineBreak/><LineBreak/>y");
    EXPECT_EQ(EscapeXaml("&lt;"), "&amp;lt;");
    EXPECT_EQ(EscapeXaml(""), "");
    EXPECT_EQ(EscapeXaml("First of next month"), "First of next month");
}
