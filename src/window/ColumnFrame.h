#pragma once

#include "markup/Border.h"
#include "markup/MarkupLabel.h"
#include "markup/StackPanel.h"

#include <memory>

/// The rounded frame in the middle of the window, and the row inside it that holds the columns
/// and the link panels side by side. It owns both elements and their colours; the window fills
/// the row.
class ColumnFrame {
public:
    explicit ColumnFrame(markup::MarkupLabel& label) : label_(label) {}

    /// A new, unattached frame with an empty row inside.
    std::shared_ptr<markup::Border> Build();
    /// The row inside the frame, once built.
    markup::StackPanel& Row() const { return *row_; }
    /// Gives the frame the colours of the scheme in use.
    void Recolour();

private:
    markup::MarkupLabel& label_;
    std::shared_ptr<markup::Border> frame_;
    std::shared_ptr<markup::StackPanel> row_;
};
