#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {
namespace {

std::function<void(const std::string&)>& InstalledClipboard()
{
    static std::function<void(const std::string&)> clipboard;
    return clipboard;
}

} // namespace

void SetClipboardText(const std::string& text)
{
    if (const auto& clipboard = InstalledClipboard()) {
        clipboard(text);
        return;
    }
    if (qGuiApp)
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void UseClipboard(std::function<void(const std::string&)> clipboard) { InstalledClipboard() = std::move(clipboard); }

} // namespace platform
