#pragma once

#include "markup/Panel.h"

namespace markup {

enum Orientation : int32_t {
    Horizontal = 0,
    Vertical = 1,
};

/// Lays its children out one after another, giving them unlimited room along its orientation.
class StackPanel : public Panel {
public:
    std::string_view Tag() const override { return "StackPanel"; }

    int32_t Orientation() const { return orientation_; }
    void SetOrientation(int32_t orientation);

protected:
    QSizeF MeasureContent(QSizeF available, const TextDefaults& defaults) override;
    void ArrangeContent(const QRectF& box) override;

private:
    int32_t orientation_ = Vertical;
};

} // namespace markup
