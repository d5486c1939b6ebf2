#include "platform/PopupStyle.h"

#include "platform/SystemColors.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace platform {
namespace {

// The edge of a pop-up in the dark scheme: 3:1 against the window's background.
const QColor DarkEdge(112, 112, 120);

} // namespace

void PopupStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const bool popupEdge = element == PE_PanelMenu || element == PE_FrameMenu || element == PE_PanelTipLabel;
    if (!popupEdge || ColorSchemeInUse() != ColorScheme::Dark) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (element == PE_PanelTipLabel)
        painter->fillRect(option->rect, option->palette.toolTipBase());
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->save();
    painter->setPen(DarkEdge);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void UsePopupStyle()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application || dynamic_cast<PopupStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new PopupStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace platform
