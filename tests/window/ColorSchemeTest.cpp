#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// WCAG 2.1's contrast ratio of two colours, from their relative luminances.
double Contrast(QColor one, QColor other)
{
    const auto luminance = [](QColor colour) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
    };
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The contrast of a text as painted in `box`: the colour painted most often there is what lies
// behind it, and the pixel that differs most from it is one the glyphs cover whole.
double PaintedContrast(const QImage& image, const QRect& box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QColor background(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                                return a.second < b.second;
                            })->first);
    double most = 1;
    for (const auto& [pixel, count] : counts)
        most = std::max(most, Contrast(QColor(pixel), background));
    return most;
}

class SchemeInUse {
public:
    ~SchemeInUse() { platform::UseColorScheme(platform::ColorScheme::Light); }
};

} // namespace

// A dialog with every kind of text: prompt, header, week line, rows, dimmed values outside its
// bounds, links and buttons, painted at twice the density so that glyph stems cover whole pixels.
TEST(ColorScheme, EveryTextKeepsItsContrastInBothSchemesAndTheSwitchKeepsTheTree)
{
    const FixedToday today(Ymd(2026, 12, 8));
    const SchemeInUse restore;
    const auto dialog = [] {
        FormSetup setup = CancelOkSetup();
        setup.Dialog.Prompt = "Choose a day";
        setup.ShowWeeks = true;
        setup.SelectableRange = {Ymd(2026, 12, 1), Ymd(2027, 1, 20)};
        return setup;
    };
    const auto render = [](const TestForm& form) {
        QImage image((form.MarkupLabel1()->Size() * 2).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        QPainter painter(&image);
        form.MarkupLabel1()->Paint(painter);
        return image;
    };
    TestForm form(dialog());
    form.Form_Load();
    const auto cell = [&](int column, int row) {
        return form.SliderGrids(column)->FindName("TextArea_" + std::to_string(column) + "_" + std::to_string(row));
    };
    const QImage lightImage = render(form);
    const auto root = form.MarkupLabel1()->RootElement();
    for (const platform::ColorScheme scheme : {platform::ColorScheme::Light, platform::ColorScheme::Dark}) {
        form.SetColorScheme(scheme);
        const QImage image = render(form);
        const bool dark = scheme == platform::ColorScheme::Dark;
        const auto contrast = [&](const markup::ElementPtr& element) {
            const QRectF box = element->Bounds();
            return PaintedContrast(image, QRect((box.topLeft() * 2).toPoint(), (box.bottomRight() * 2).toPoint() - QPoint(1, 1)));
        };
        const struct {
            const char* text;
            markup::ElementPtr element;
            double least;
        } texts[] = {
            {"header", form.DateHeader(), 4.5},
            {"prompt", form.PromptText(), 4.5},
            {"week line", form.Note().Element(), 4.5},
            {"selected day", cell(1, 2), 4.5},
            {"day one above", cell(1, 1), 4.5},
            {"day two below", cell(1, 4), 3},
            {"link", form.Links().Link(7), 4.5},
            {"OK", form.Dialog().Button(1), 4.5},
            // Outside the bounds: the year 2025 and February.
            {"dimmed year one above", cell(2, 1), 2},
            {"dimmed month two below", cell(0, 4), 2},
        };
        for (const auto& text : texts)
            EXPECT_GE(contrast(text.element), text.least) << text.text << (dark ? " in the dark scheme" : "");
        // The selected row strongest, the rows beside it next, the outer rows dimmest; a dimmed
        // value visibly fainter than one that can be picked (the light outer rows, at about
        // 3.4:1, leave little room above 2:1).
        EXPECT_GT(contrast(cell(1, 2)), contrast(cell(1, 1)));
        EXPECT_GT(contrast(cell(1, 1)), contrast(cell(1, 0)));
        EXPECT_LT(contrast(cell(2, 1)), 0.6 * contrast(cell(1, 1)));
        EXPECT_LT(contrast(form.Links().Link(8)), 0.6 * contrast(form.Links().Link(7))) << "a link past the bounds";
        EXPECT_LT(contrast(cell(0, 4)), 0.7 * contrast(cell(1, 4)));
        EXPECT_EQ(form.MarkupLabel1()->RootElement(), root) << "the tree is kept";
        EXPECT_EQ(form.Selected(), "12/8/2026");
    }
    TestForm builtDark(dialog());
    builtDark.Form_Load();
    EXPECT_EQ(render(builtDark), render(form)) << "a switch gives every brush its dark colour";
    form.SetColorScheme(platform::ColorScheme::Light);
    EXPECT_EQ(render(form), lightImage) << "back in the light scheme, every brush is as it was";
}
