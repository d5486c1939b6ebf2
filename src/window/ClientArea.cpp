#include "window/ClientArea.h"

#include "platform/Screen.h"
#include "window/FormDesign.h"
#include "window/FormSetup.h"

#include <algorithm>
#include <cmath>

namespace {

int TwipsToPixelsX(int twips) { return static_cast<int>(std::lround(twips / platform::TwipsPerPixelX())); }
int TwipsToPixelsY(int twips) { return static_cast<int>(std::lround(twips / platform::TwipsPerPixelY())); }

int HeightOf(const markup::ElementPtr& element)
{
    return element ? static_cast<int>(std::ceil(element->DesiredSize().height())) : 0;
}

} // namespace

ClientArea::ClientArea(const Needs& needs) : needs_(needs)
{
    if (needs_.Borders)
        needs_.Borders = std::clamp(*needs_.Borders, 0, FormSetup::MostBorderPixels);
}

QSizeF ClientArea::DesignedLabelSize()
{
    return QSizeF(TwipsToPixelsX(design::LabelWidth), TwipsToPixelsY(design::LabelHeight));
}

QPointF ClientArea::LabelPosition(QSize windowSize) const
{
    const std::optional<int>& borders = needs_.Borders;
    const QPoint margin = borders ? QPoint(*borders, *borders)
                                  : QPoint(TwipsToPixelsX(design::LabelLeft), TwipsToPixelsY(design::LabelTop));
    const QSize spare = windowSize - ClientSize();
    const QPoint centring(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2));
    return QPointF(margin + needs_.BarShift + centring);
}

QSize ClientArea::ClientSize() const
{
    const std::optional<int>& borders = needs_.Borders;
    const QSize margins = borders ? QSize(2 * *borders, 2 * *borders)
                                  : QSize(TwipsToPixelsX(design::ClientWidth), TwipsToPixelsY(design::ClientHeight));
    return margins + grownBy_ + needs_.BarGrowth;
}

void ClientArea::FitLabel(markup::MarkupLabel& label, const Content& content, const std::function<void()>& sizeNote)
{
    const QSize& least = needs_.MinimumClientSize;
    if (!content.Prompt && !content.Note && !content.ButtonRow && least.width() <= 0 && least.height() <= 0 &&
        !needs_.Borders && needs_.Scale.Factor == 1.0)
        return;
    label.UpdateLayout();
    // The frame's width does not depend on the prompt or the note, so it can be read first; each
    // of them, with its margin, then takes just that width and wraps inside it.
    for (const markup::ElementPtr& wrapped : {markup::ElementPtr(content.Prompt), content.Note}) {
        if (!wrapped)
            continue;
        const QMarginsF margin = markup::MarginsOf(wrapped->Margin());
        wrapped->SetWidth(std::max<qreal>(0, content.Frame->DesiredSize().width() - margin.left() - margin.right()));
    }
    sizeNote();
    if (content.Prompt || content.Note)
        label.UpdateLayout();

    const QSizeF rootSize = label.RootElement()->DesiredSize();
    const QSize root(static_cast<int>(std::ceil(rootSize.width())), static_cast<int>(std::ceil(rootSize.height())));
    // With borders the window fits its content: the label is just as large as the tree.
    const QSizeF designSize = needs_.Borders ? QSizeF(0, 0) : label.Size();
    grownBy_ = needs_.Borders ? root : GrowthBeyondDesign(root, designSize.toSize(), content);

    // A least client size grows the label further, and the root stays centred in it. No least
    // size passes the screen's room: a window larger than the screen is painted and held in
    // memory for nothing.
    const QSize client = ClientSize();
    const QSize room = platform::AvailableScreenSize();
    const QSize bounded = room.isEmpty() ? least : least.boundedTo(room);
    grownBy_ += QSize(std::max(0, bounded.width() - client.width()), std::max(0, bounded.height() - client.height()));
    label.SetSize(designSize + QSizeF(grownBy_));
}

// The root is centred in the label: growing the label by exactly what the prompt, the note and
// the button row add keeps the root's top where it was, so the header and the frame move down
// by the prompt's height only. Buttons with long captions, or a larger font, may also widen the
// root; a larger font may make it taller than the label.
QSize ClientArea::GrowthBeyondDesign(const QSize& root, const QSize& design, const Content& content) const
{
    const int added = HeightOf(content.Prompt) + HeightOf(content.Note) + HeightOf(content.ButtonRow);
    QSize grown(std::max(0, root.width() - design.width()), std::max(added, root.height() - design.height()));
    // A larger font keeps the design's margins in proportion: the label grows with the font, by
    // what the prompt, the note and the buttons add, and by what the buttons widen the frame's
    // row. The margins give way before the window would pass the screen.
    const double scale = needs_.Scale.Factor;
    if (scale > 1) {
        const QSize scaled = (QSizeF(design) * (scale - 1)).toSize();
        const int widened = root.width() - static_cast<int>(std::ceil(content.Frame->DesiredSize().width()));
        QSize margined = scaled + QSize(std::max(0, widened), added);
        // What the margins may grow to: the screen less the client area's parts that do not grow.
        const QSize room = platform::AvailableScreenSize();
        if (!room.isEmpty())
            margined = margined.boundedTo(room - (ClientSize() - grownBy_));
        grown = grown.expandedTo(margined);
    }
    return grown;
}
