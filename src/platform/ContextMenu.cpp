#include "platform/ContextMenu.h"

#include <QApplication>
#include <QMenu>

namespace platform {
namespace {

ContextMenuFunction& InstalledMenu()
{
    static ContextMenuFunction menu;
    return menu;
}

} // namespace

int ShowContextMenu(int x, int y, const std::vector<std::string>& entries)
{
    if (const auto& menu = InstalledMenu())
        return menu(x, y, entries);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return -1;
    QMenu menu;
    for (const std::string& entry : entries) {
        // An ampersand in a month's name must show, not mark a mnemonic.
        menu.addAction(QString::fromStdString(entry).replace('&', QLatin1String("&&")));
    }
    const QAction* picked = menu.exec(QPoint(x, y));
    return picked ? static_cast<int>(menu.actions().indexOf(picked)) : -1;
}

void UseContextMenu(ContextMenuFunction menu) { InstalledMenu() = std::move(menu); }

} // namespace platform
