#pragma once

#include <QProxyStyle>

namespace platform {

/// The application's widget style with edges the dark scheme can see: menus and tooltips are
/// framed by one grey line, where the style's own frame would melt into the dark window or,
/// around a tooltip, shine in the text's colour. In the light scheme it draws as the style does.
class PopupStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

/// Makes PopupStyle wrap the application's style, once; does nothing without an application of
/// widgets.
void UsePopupStyle();

} // namespace platform
