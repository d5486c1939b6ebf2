#pragma once

#include "markup/Border.h"
#include "markup/Inlines.h"
#include "markup/StackPanel.h"
#include "window/Accessibility.h"
#include "window/Form1.h"

#include <array>
#include <string>

/// Form1 with its building blocks opened up to the tests, read by screen readers as the program's is.
class TestForm : public Form1 {
public:
    explicit TestForm(FormSetup setup = {}) : Form1(std::move(setup)) { accessibility::Follow(*this); }

    using Form1::BuildLayout;
    using Form1::BuildSliderColumn;
    using Form1::WidestColumnText;
    markup::ElementPtr CreateSpecialDateLink(int index) { return LinksPart().CreateSpecialDateLink(index); }

    /// The selected date as the grid holds it, as "month/day/year".
    std::string Selected() const
    {
        const int row = SelectedRow();
        return std::to_string(CellValues()(row, 0)) + "/" + std::to_string(CellValues()(row, 1)) + "/" +
               std::to_string(CellValues()(row, 2));
    }
    /// Selects (month, day, year).
    void Select(int month, int day, int year) { SetDate(month, day, year); }
    /// Moves the pointer over the middle of a column, so that it reports IsMouseOver.
    void HoverColumn(int column)
    {
        MarkupLabel1()->UpdateLayout();
        MarkupLabel1()->MouseMove(SliderGrids(column)->Bounds().center());
    }
    /// A click reported by an element of that name, as the markup label reports it.
    void ClickCell(const std::string& name) { CellClicked(Named(name), std::any()); }
    void ClickLink(const std::string& name) { SpecialDateClicked(Named(name), std::any()); }
    /// The text shown in one cell of the built window.
    std::string Shown(int column, int row) const
    {
        return std::dynamic_pointer_cast<markup::TextBlock>(
                   SliderGrids(column)->FindName("TextArea_" + std::to_string(column) + "_" + std::to_string(row)))
            ->Text();
    }

    static markup::ElementPtr Named(const std::string& name)
    {
        auto element = std::make_shared<markup::Border>();
        element->SetName(name);
        return element;
    }
};

/// The set-up of a script's dialog with Cancel and OK.
inline FormSetup CancelOkSetup()
{
    FormSetup setup;
    setup.Dialog = DialogSetup::CancelOk();
    return setup;
}
