#include "markup/Grid.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace markup {

void Grid::RowCollection::Add(const RowDefinitionPtr& row)
{
    if (!row)
        runtime::Raise(runtime::ErrInvalidCall);
    rows_.push_back(row);
    grid_.Changed();
}

void Grid::SetRow(const ElementPtr& element, int32_t row)
{
    if (!element || row < 0)
        runtime::Raise(runtime::ErrInvalidCall);
    rows_[element.get()] = row;
    Changed();
}

void Grid::SetRowSpan(const ElementPtr& element, int32_t count)
{
    if (!element || count < 1)
        runtime::Raise(runtime::ErrInvalidCall);
    rowSpans_[element.get()] = count;
    Changed();
}

int32_t Grid::RowOf(const Element& element) const
{
    const auto found = rows_.find(&element);
    return found == rows_.end() ? 0 : found->second;
}

int32_t Grid::RowSpanOf(const Element& element) const
{
    const auto found = rowSpans_.find(&element);
    return found == rowSpans_.end() ? 1 : found->second;
}

std::pair<size_t, size_t> Grid::RowsOf(const Element& element) const
{
    const size_t first = std::min<size_t>(static_cast<size_t>(RowOf(element)), RowCount() - 1);
    const size_t last = std::min<size_t>(first + static_cast<size_t>(RowSpanOf(element)), RowCount());
    return {first, last};
}

QSizeF Grid::MeasureContent(QSizeF available, const TextDefaults& defaults)
{
    rowHeights_.assign(RowCount(), 0);
    qreal width = 0;
    // Pass 1: children in a single row decide that row's height.
    for (const ElementPtr& child : Children()) {
        const QSizeF size = child->Measure(QSizeF(available.width(), std::numeric_limits<qreal>::infinity()), defaults);
        width = std::max(width, size.width());
        const auto [first, last] = RowsOf(*child);
        if (last - first == 1)
            rowHeights_[first] = std::max(rowHeights_[first], size.height());
    }
    // Pass 2: a spanning child that does not fit its rows grows them evenly.
    for (const ElementPtr& child : Children()) {
        const auto [first, last] = RowsOf(*child);
        if (last - first < 2)
            continue;
        const qreal covered = std::accumulate(rowHeights_.begin() + first, rowHeights_.begin() + last, qreal{0});
        const qreal missing = child->DesiredSize().height() - covered;
        if (missing > 0)
            for (size_t row = first; row < last; ++row)
                rowHeights_[row] += missing / static_cast<qreal>(last - first);
    }
    return {width, std::accumulate(rowHeights_.begin(), rowHeights_.end(), qreal{0})};
}

void Grid::ArrangeContent(const QRectF& box)
{
    // Every row is a star row, so height beyond the content is shared equally. Row edges
    // are rounded to whole pixels so that neighbouring cells meet without a seam.
    const qreal content = std::accumulate(rowHeights_.begin(), rowHeights_.end(), qreal{0});
    const qreal extra = std::max<qreal>(0, box.height() - content) / static_cast<qreal>(rowHeights_.size());
    std::vector<qreal> tops(rowHeights_.size() + 1, box.y());
    qreal exactTop = box.y();
    for (size_t row = 0; row < rowHeights_.size(); ++row) {
        exactTop += rowHeights_[row] + extra;
        tops[row + 1] = std::round(exactTop);
        rowHeights_[row] = tops[row + 1] - tops[row];
    }
    // The grid has one column, so right to left changes nothing here: each child mirrors its
    // own alignment and margins in the space of the whole width.
    for (const ElementPtr& child : Children()) {
        const auto [first, last] = RowsOf(*child);
        child->Arrange(QRectF(box.x(), tops[first], box.width(), tops[last] - tops[first]));
    }
}

} // namespace markup
