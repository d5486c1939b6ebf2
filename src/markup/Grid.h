#pragma once

#include "markup/Panel.h"

#include <map>
#include <vector>

namespace markup {

/// One row of a Grid; a row with no properties is a star row.
class RowDefinition : public MarkupObject {
public:
    std::string_view Tag() const override { return "RowDefinition"; }
};

using RowDefinitionPtr = std::shared_ptr<RowDefinition>;

/// A single-column grid of rows. Rows size to their content and share any extra height
/// equally; children are placed in a row and may span several.
class Grid : public Panel {
public:
    /// The grid's row definitions.
    class RowCollection {
    public:
        explicit RowCollection(Grid& grid) : grid_(grid) {}
        /// Appends a row; error 5 for nothing.
        void Add(const RowDefinitionPtr& row);
        size_t Count() const { return rows_.size(); }

    private:
        Grid& grid_;
        std::vector<RowDefinitionPtr> rows_;
    };

    Grid() : rowDefinitions_(*this) {}
    std::string_view Tag() const override { return "Grid"; }

    RowCollection& RowDefinitions() { return rowDefinitions_; }
    const RowCollection& RowDefinitions() const { return rowDefinitions_; }
    /// Places `element` in row `row` (from 0); error 5 for a negative row or nothing.
    void SetRow(const ElementPtr& element, int32_t row);
    /// Lets `element` span `count` rows; error 5 for a count below 1 or nothing.
    void SetRowSpan(const ElementPtr& element, int32_t count);
    int32_t RowOf(const Element& element) const;
    int32_t RowSpanOf(const Element& element) const;
    /// The height of each row after the last layout.
    const std::vector<qreal>& RowHeights() const { return rowHeights_; }

protected:
    QSizeF MeasureContent(QSizeF available, const TextDefaults& defaults) override;
    void ArrangeContent(const QRectF& box) override;

private:
    size_t RowCount() const { return std::max<size_t>(1, rowDefinitions_.Count()); }
    // The rows a child covers, cut to the rows the grid has.
    std::pair<size_t, size_t> RowsOf(const Element& element) const;

    RowCollection rowDefinitions_;
    std::map<const Element*, int32_t> rows_;
    std::map<const Element*, int32_t> rowSpans_;
    std::vector<qreal> rowHeights_;
};

} // namespace markup
