#include "markup/Inlines.h"

#include "platform/Cursors.h"

#include <algorithm>

namespace markup {

void Run::SetText(std::string text)
{
    text_ = std::move(text);
    Changed();
}

Hyperlink::Hyperlink()
    : inlines_([this](const ElementPtr& item) {
          if (item && !std::dynamic_pointer_cast<Run>(item))
              runtime::Raise(runtime::ErrTypeMismatch);
          Adopt(item);
      })
{
}

void Hyperlink::SetForeground(SolidColorBrushPtr brush)
{
    foreground_ = std::move(brush);
    Changed();
}

void Hyperlink::ForEachChild(const std::function<void(const ElementPtr&)>& visit) const
{
    for (const ElementPtr& item : inlines_)
        visit(item);
}

int32_t Hyperlink::DefaultCursor() const { return platform::IDC_HAND; }

bool Hyperlink::HitsSelf(QPointF point) const
{
    // A link spans its runs, so a hidden run leaves a gap in it.
    return std::any_of(inlines_.begin(), inlines_.end(), [&](const ElementPtr& run) {
        return run->Visibility() == Visible && run->Bounds().contains(point);
    });
}

} // namespace markup
