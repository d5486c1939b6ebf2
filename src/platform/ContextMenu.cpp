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

int ShowContextMenu(int x, int y, const std::vector<std::string>& entries, const std::vector<bool>& enabled)
{
    std::vector<bool> flags = enabled;
    flags.resize(entries.size(), true);
    if (const auto& menu = InstalledMenu())
        return menu(x, y, entries, flags);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return -1;
    QMenu menu;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        // An ampersand in a month's name must show, not mark a mnemonic.
        QAction* action = menu.addAction(QString::fromStdString(entries[index]).replace('&', QLatin1String("&&")));
        action->setEnabled(flags[index]);
    }
    const QAction* picked = menu.exec(QPoint(x, y));
    return picked ? static_cast<int>(menu.actions().indexOf(picked)) : -1;
}

void UseContextMenu(ContextMenuFunction menu) { InstalledMenu() = std::move(menu); }

} // namespace platform
