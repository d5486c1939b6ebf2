#pragma once

#include "markup/MarkupLabel.h"
#include "markup/TextBlock.h"
#include "window/TextScale.h"

#include <QPoint>
#include <QPointF>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

/// The window's client area around the markup label: the design's margins or a script's
/// borders, what the prompt, the note, the button row, a larger font and a least size add, and
/// the timeout bar's strip. It owns those sizes and grows the label to fit its content.
class ClientArea {
public:
    /// What the window's content needs around and beside the label.
    struct Needs {
        /// Pixels from the window's edges to its content, in place of the design's margins.
        std::optional<int> Borders;
        QSize MinimumClientSize;
        TextScale Scale;
        /// What the timeout bar adds, and where it moves the label to.
        QSize BarGrowth;
        QPoint BarShift;
    };
    /// The parts of the tree that decide the label's size; any but the frame may be missing.
    struct Content {
        std::shared_ptr<markup::TextBlock> Prompt;
        markup::ElementPtr Note;
        markup::ElementPtr Frame;
        markup::ElementPtr ButtonRow;
    };

    /// Borders wider than FormSetup::MostBorderPixels are taken as that.
    explicit ClientArea(const Needs& needs);

    /// The label's size in the design, in pixels.
    static QSizeF DesignedLabelSize();
    /// Where the label sits in a client area of `windowSize`, in pixels: in the middle of a
    /// window that the window manager made larger.
    QPointF LabelPosition(QSize windowSize) const;
    /// The size of the client area, in pixels.
    QSize ClientSize() const;
    /// Grows the label, and with it the window, to hold `content` and any least size, the header
    /// and frame keeping their places to each other. `sizeNote` sizes the note once it has its width.
    void FitLabel(markup::MarkupLabel& label, const Content& content, const std::function<void()>& sizeNote);

private:
    QSize GrowthBeyondDesign(const QSize& root, const QSize& design, const Content& content) const;

    Needs needs_;
    // What the prompt, the button row and a least size add to the label and the window, in pixels.
    QSize grownBy_{0, 0};
};
