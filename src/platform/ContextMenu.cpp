#include "platform/ContextMenu.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>

namespace platform {
namespace {

ContextMenuFunction& InstalledMenu()
{
    static ContextMenuFunction menu;
    return menu;
}

} // namespace

int ShowContextMenu(int x, int y, const std::vector<MenuEntry>& entries)
{
    if (const auto& menu = InstalledMenu())
        return menu(x, y, entries);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return -1;
    QMenu menu;
    for (const MenuEntry& entry : entries) {
        // An ampersand in a month's name must show, not mark a mnemonic.
        QString text = QString::fromStdString(entry.Text).replace('&', QLatin1String("&&"));
        // After a tab the menu shows the keys in their own column; they are only shown, as the
        // window handles the keys itself.
        if (!entry.Shortcut.empty())
            text += u'\t' + QKeySequence::fromString(QString::fromStdString(entry.Shortcut), QKeySequence::PortableText)
                                .toString(QKeySequence::NativeText);
        menu.addAction(text)->setEnabled(entry.Enabled);
    }
    const QAction* picked = menu.exec(QPoint(x, y));
    return picked ? static_cast<int>(menu.actions().indexOf(picked)) : -1;
}

void UseContextMenu(ContextMenuFunction menu) { InstalledMenu() = std::move(menu); }

} // namespace platform
