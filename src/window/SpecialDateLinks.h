#pragma once

#include "date/SliderValues.h"
#include "markup/MarkupLabel.h"
#include "markup/Panel.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

/// The nine special-date links beside the columns: today, tomorrow, yesterday, and the first and
/// last day of this, the previous and the next month. It owns their captions and look and which
/// of them are dimmed; the window selects what a clicked link names.
class SpecialDateLinks {
    // The captions belong to the window's translations.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    static constexpr int32_t Count = 9;

    explicit SpecialDateLinks(markup::MarkupLabel& label) : label_(label) {}

    /// The link panel of link `index`: 0 for the day links 0..2, 1 otherwise.
    static int32_t LinkColumnOf(int32_t index);
    /// A new margin for link `index`: a wider gap below the last link of each month.
    static markup::ThicknessPtr LinkMargin(int32_t index);
    /// The caption of link `index`, or the empty text outside 0..8.
    static std::string SpecialDateCaption(int32_t index);
    /// A new, unattached text block holding link `index`.
    markup::ElementPtr CreateSpecialDateLink(int32_t index);
    /// Adds the two panels of links to `row`.
    void AddPanelsTo(markup::Panel& row);
    /// The Hyperlink of link `index`, or nothing before the window is built.
    markup::ElementPtr Link(int32_t index) const;
    /// The link under the pointer, if any.
    std::optional<int32_t> Hovered() const;
    /// What link `index` says and selects today: "Tomorrow, Monday December 7, 2026", or only its
    /// caption when that date lies outside the calendar.
    static std::string Description(int32_t index);
    /// Dims the links whose date today lies outside `range`, and makes their clicks show the arrow.
    void ShowRefused(const slider::DateRange& range);
    /// Gives the links the colours of the scheme in use.
    void Recolour();

private:
    markup::SolidColorBrushPtr Brush(bool dimmed) const;

    markup::MarkupLabel& label_;
    std::array<bool, Count> dimmed_{};
};
