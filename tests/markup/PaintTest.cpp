#include "markup/MarkupTestTree.h"
#include "support/TestEnvironment.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

using namespace markup;

namespace {

class Painting : public testing::Test, protected MarkupTestTree {
protected:
    QImage Render(const ElementPtr& root, int width, int height)
    {
        label->SetBackColor(0xFFFFFF);
        Show(root, width, height);
        return Repainted();
    }
    /// A full paint of what the label shows now.
    QImage Repainted() const
    {
        QImage image(label->Size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        label->Paint(painter);
        return image;
    }
    /// Paints into `image` only the area the label reports as changed.
    void PaintChanges(QImage& image) const
    {
        const QRegion changed = label->TakeChangedArea();
        QPainter painter(&image);
        label->Paint(painter, changed);
    }
};

bool Near(QColor actual, QColor expected, int tolerance = 2)
{
    return std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

TEST_F(Painting, RoundedCornersLeaveTheBackgroundAndTranslucentFillsBlend)
{
    // 0x804020 is RGB(32, 64, 128); alpha 26 of 255 is about 90 percent transparent.
    auto frame = Filled(0x804020, 26);
    frame->SetCornerRadius(Thickness(7, 7, 7, 7));
    const QImage image = Render(frame, 40, 30);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << "the rounded corner stays background";
    EXPECT_EQ(image.pixelColor(39, 29), QColor(Qt::white));
    const double a = 26 / 255.0;
    const QColor blended(qRound(255 * (1 - a) + 32 * a), qRound(255 * (1 - a) + 64 * a), qRound(255 * (1 - a) + 128 * a));
    EXPECT_TRUE(Near(image.pixelColor(20, 15), blended)) << image.pixelColor(20, 15).name().toStdString();
}

TEST_F(Painting, SquareBordersFillToTheirCornersAndOutlinesSitOnTheEdges)
{
    auto cell = Filled(0x0000FF);
    auto outline = Make<Border>("Border");
    outline->SetBorderBrush(context->CreateSolidBrush(0x00FF00));
    outline->SetBorderThickness(Thickness(0, 0, 2, 0));
    auto grid = Make<Grid>("Grid");
    grid->Children().Add(cell);
    grid->Children().Add(outline);
    const QImage image = Render(grid, 20, 10);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(17, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(18, 5), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(19, 9), QColor(Qt::green));
}

TEST_F(Painting, LaterSiblingsPaintAboveAndHiddenOnesNotAtAll)
{
    auto grid = Make<Grid>("Grid");
    auto below = Filled(0x0000FF);
    auto above = Filled(0xFF0000);
    grid->Children().Add(below);
    grid->Children().Add(above);
    EXPECT_EQ(Render(grid, 10, 10).pixelColor(5, 5), QColor(Qt::blue));
    above->SetVisibility(Hidden);
    EXPECT_EQ(Render(grid, 10, 10).pixelColor(5, 5), QColor(Qt::red));
}

TEST_F(Painting, TextIsDrawnInItsForegroundAndLinksInTheirs)
{
    auto text = Make<TextBlock>("TextBlock");
    text->SetText("MMMM");
    text->SetFontSize(20);
    text->SetForeground(context->CreateSolidBrush(0x0000FF));
    auto links = Make<TextBlock>("TextBlock");
    auto link = Make<Hyperlink>("Hyperlink");
    auto run = Make<markup::Run>("Run");
    run->SetText("MMMM");
    link->Inlines().Add(run);
    link->SetForeground(context->CreateSolidBrush(0xFF0000));
    links->SetFontSize(20);
    links->Inlines().Add(link);
    auto column = Make<StackPanel>("StackPanel");
    column->Children().Add(text);
    column->Children().Add(links);
    const QImage image = Render(column, 120, 80);

    auto countNear = [&](QColor colour, const QRectF& area) {
        int count = 0;
        for (int y = int(area.top()); y < int(area.bottom()); ++y)
            for (int x = int(area.left()); x < int(area.right()); ++x)
                count += Near(image.pixelColor(x, y), colour, 40) ? 1 : 0;
        return count;
    };
    EXPECT_GT(countNear(Qt::red, text->Bounds()), 20);
    EXPECT_EQ(countNear(Qt::blue, text->Bounds()), 0);
    EXPECT_GT(countNear(Qt::blue, links->Bounds()), 20);
}

TEST_F(Painting, RepaintingWhatChangedGivesTheSamePictureAsAFullPaint)
{
    auto frame = Filled(0x804020, 26);
    frame->SetCornerRadius(Thickness(7, 7, 7, 7));
    frame->SetBorderBrush(context->CreateSolidBrush(0x202020));
    frame->SetBorderThickness(Thickness(1, 1, 1, 1));
    frame->SetPadding(Thickness(5, 5, 5, 5));
    auto column = Make<StackPanel>("StackPanel");
    auto far = Make<TextBlock>("TextBlock");
    far->SetText("unchanged");
    auto changing = Make<TextBlock>("TextBlock");
    changing->SetText("short");
    changing->SetHorizontalAlignment(AlignCentre);
    column->Children().Add(far);
    column->Children().Add(changing);
    frame->SetChild(column);

    QImage partial = Render(frame, 200, 300);
    label->TakeChangedArea();
    changing->SetText("a good deal longer");
    const QRegion changed = label->TakeChangedArea();
    EXPECT_TRUE(changed.intersects(changing->Bounds().toAlignedRect()));
    EXPECT_FALSE(changed.intersects(far->Bounds().toAlignedRect()));
    {
        QPainter painter(&partial);
        label->Paint(painter, changed);
    }
    label->TakeChangedArea();
    EXPECT_TRUE(label->TakeChangedArea().isEmpty()) << "nothing changed since";
    const QImage full = Render(frame, 200, 300);
    EXPECT_EQ(partial, full);
}

TEST_F(Painting, EvenOutlinesDrawAllFourEdgesWhateverTheRadius)
{
    for (int radius : {0, 1}) {
        auto frame = Make<Border>("Border");
        frame->SetBorderBrush(context->CreateSolidBrush(0x00FF00));
        frame->SetBorderThickness(Thickness(2, 2, 2, 2));
        frame->SetCornerRadius(Thickness(radius, radius, radius, radius));
        const QImage image = Render(frame, 40, 20);
        for (QPoint edge : {QPoint(20, 0), QPoint(20, 1), QPoint(20, 18), QPoint(20, 19), QPoint(0, 10), QPoint(39, 10)})
            EXPECT_EQ(image.pixelColor(edge), QColor(Qt::green)) << "radius " << radius << " at " << edge.x() << "," << edge.y();
        EXPECT_EQ(image.pixelColor(20, 2), QColor(Qt::white)) << "radius " << radius;
        if (radius == 0) {
            EXPECT_EQ(image.pixelColor(39, 19), QColor(Qt::green)) << "a square corner is filled";
        }
    }
}

TEST_F(Painting, HiddenInlinesAreNeitherPaintedNorHit)
{
    auto text = Make<TextBlock>("TextBlock");
    text->SetFontSize(20);
    text->SetForeground(context->CreateSolidBrush(0x0000FF));
    auto run = Make<markup::Run>("Run");
    run->SetText("MMM");
    auto link = Make<Hyperlink>("Hyperlink");
    link->SetForeground(context->CreateSolidBrush(0xFF0000));
    auto linkRun = Make<markup::Run>("Run");
    linkRun->SetText("MMM");
    link->Inlines().Add(linkRun);
    text->Inlines().Add(run);
    text->Inlines().Add(link);
    auto beneath = Filled(0xFFFFFF);
    auto grid = Make<Grid>("Grid");
    grid->Children().Add(beneath);
    grid->Children().Add(text);
    run->SetVisibility(Hidden);
    link->SetVisibility(Hidden);
    const QImage image = Render(grid, 160, 40);

    for (const ElementPtr& inline_ : {ElementPtr(run), ElementPtr(link)}) {
        const QRect place = inline_->Bounds().toAlignedRect();
        ASSERT_GT(place.width(), 10) << "a hidden inline keeps its place";
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
        label->MouseMove(inline_->Bounds().center());
        EXPECT_FALSE(text->IsMouseOver()) << "the click goes to what lies beneath";
        EXPECT_TRUE(beneath->IsMouseOver());
    }
}

TEST_F(Painting, AChildPastItsParentsEdgeIsPaintedAndHitInEveryPath)
{
    auto parent = Make<Border>("Border");
    parent->SetMargin(Thickness(20, 0, 0, 0));
    auto child = Filled(0x0000FF);
    child->SetMargin(Thickness(-20, 0, 0, 0));
    parent->SetChild(child);
    EXPECT_EQ(Render(parent, 40, 10).pixelColor(5, 5), QColor(Qt::red)) << "a full paint shows it";

    QImage partial(40, 10, QImage::Format_ARGB32);
    partial.fill(Qt::magenta);
    {
        QPainter painter(&partial);
        label->Paint(painter, QRegion(0, 0, 10, 10));
    }
    EXPECT_EQ(partial.pixelColor(5, 5), QColor(Qt::red)) << "so does a repaint of just that part";
    label->MouseMove(QPointF(5, 5));
    EXPECT_TRUE(child->IsMouseOver());
}

TEST_F(Painting, ChangingTheLabelsColoursRepaintsIt)
{
    auto text = Make<TextBlock>("TextBlock");
    text->SetText("MMMM");
    text->SetFontSize(20);
    QImage image = Render(text, 100, 40);
    label->TakeChangedArea();
    label->SetBackColor(0x0000FF);
    label->SetForeColor(0x00FF00);
    PaintChanges(image);
    EXPECT_EQ(image, Repainted());
    EXPECT_EQ(image.pixelColor(99, 39), QColor(Qt::red));
}

TEST_F(Painting, SystemColoursStayLightUnderADarkDesktopButTheFocusRingFollowsIt)
{
    const QPalette desktop = QGuiApplication::palette();
    QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(255, 128, 0));
    QGuiApplication::setPalette(dark);

    auto text = Make<TextBlock>("TextBlock");
    text->SetText("MMMM");
    text->SetFontSize(20);
    text->SetHorizontalAlignment(AlignStart);
    Show(text, 100, 40);
    label->SetBackColor(static_cast<int32_t>(0x80000005u));
    label->SetForeColor(static_cast<int32_t>(0x80000012u));
    label->SetFocusElement(text);
    const QImage image = Repainted();
    QGuiApplication::setPalette(desktop);

    EXPECT_GT(image.pixelColor(99, 39).lightness(), 200) << "the window background stays light";
    const QRect inside = text->Bounds().toAlignedRect().adjusted(1, 1, -1, -1);
    int darkText = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            darkText += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    EXPECT_GT(darkText, 20) << "the button text stays dark";
    EXPECT_EQ(image.pixelColor(text->Bounds().toAlignedRect().topLeft()), QColor(255, 128, 0));
}

// Under captions whose glyphs come from a font standing in for the window's, and reach lower,
// or whose script must not be crossed.
TEST_F(Painting, ALinksUnderlineAndFocusRingPassClearOfTheGlyphsOfEveryScript)
{
    for (const char* caption : {"Tomorrow", "今日", "오늘", "첫날", "明日", "آخر الشهر الماضي", "آخر ماه گذشته", "אתמול", "סוף החודש הקודם"}) {
        auto links = Make<TextBlock>("TextBlock");
        auto link = Make<Hyperlink>("Hyperlink");
        auto run = Make<markup::Run>("Run");
        run->SetText(caption);
        link->Inlines().Add(run);
        link->SetForeground(context->CreateSolidBrush(0x000000));
        links->Inlines().Add(link);
        links->SetFontFamily("Open Sans");
        links->SetFontSize(11);
        links->SetHorizontalAlignment(AlignCentre);
        links->SetVerticalAlignment(AlignCentre);
        const QImage image = Render(links, 120, 40);
        const QRect box = link->Bounds().toAlignedRect();
        const auto inRow = [&](int y, int darkerThan) {
            int count = 0;
            for (int x = box.left(); x <= box.right(); ++x)
                count += qGray(image.pixel(x, y)) < darkerThan ? 1 : 0;
            return count;
        };
        int underline = image.height() - 1;
        while (underline > box.top() && inRow(underline, 128) < box.width() * 3 / 4)
            --underline;
        EXPECT_EQ(inRow(underline - 1, 240), 0) << caption << ": the underline touches the glyphs, or there is none";
        EXPECT_LE(underline, box.bottom()) << caption << ": the underline lies outside the link";
        // A focused link's ring keeps clear of its letters and its underline.
        label->SetFocusElement(link);
        const QImage focused = Repainted();
        QRect ink, ring;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                ink |= image.pixel(x, y) != qRgb(255, 255, 255) ? QRect(x, y, 1, 1) : QRect();
                ring |= focused.pixel(x, y) != image.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
            }
        EXPECT_TRUE(ring.adjusted(2, 2, -2, -2).contains(ink)) << caption;
        label->SetFocusElement(nullptr);
    }
}

