#include "platform/ContextMenu.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>

#include <memory>

namespace platform {
namespace {

ContextMenuFunction& InstalledMenu()
{
    static ContextMenuFunction menu;
    return menu;
}

// A menu that a Wayland compositor places. The client knows neither where its window lies nor
// where the screen's edges are, yet Qt's menu keeps itself off edges it takes for the screen's,
// and so opens on the wrong side near the window's own left edge. This menu stands at the
// pointer, flowing left in a language written right to left, and leaves it to the compositor to
// flip it where the screen ends.
class CompositorPlacedMenu : public QMenu {
public:
    explicit CompositorPlacedMenu(QPoint pointer) : pointer_(pointer) {}

protected:
    void showEvent(QShowEvent* event) override
    {
        // Shown, but not yet handed to the compositor.
        move(isRightToLeft() ? pointer_ - QPoint(width(), 0) : pointer_);
        QMenu::showEvent(event);
    }

private:
    QPoint pointer_;
};

std::unique_ptr<QMenu> MenuFor(QPoint pointer)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return std::make_unique<CompositorPlacedMenu>(pointer);
    return std::make_unique<QMenu>();
}

} // namespace

int ShowContextMenu(int x, int y, const std::vector<MenuEntry>& entries)
{
    if (const auto& menu = InstalledMenu())
        return menu(x, y, entries);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return -1;
    const std::unique_ptr<QMenu> menu = MenuFor(QPoint(x, y));
    for (const MenuEntry& entry : entries) {
        // An ampersand in a month's name must show, not mark a mnemonic.
        QString text = QString::fromStdString(entry.Text).replace('&', QLatin1String("&&"));
        // After a tab the menu shows the keys in their own column; they are only shown, as the
        // window handles the keys itself.
        if (!entry.Shortcut.empty())
            text += u'\t' + QKeySequence::fromString(QString::fromStdString(entry.Shortcut), QKeySequence::PortableText)
                                .toString(QKeySequence::NativeText);
        menu->addAction(text)->setEnabled(entry.Enabled);
    }
    const QAction* picked = menu->exec(QPoint(x, y));
    return picked ? static_cast<int>(menu->actions().indexOf(picked)) : -1;
}

void UseContextMenu(ContextMenuFunction menu) { InstalledMenu() = std::move(menu); }

} // namespace platform
