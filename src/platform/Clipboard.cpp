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

std::function<std::string()>& InstalledSource()
{
    static std::function<std::string()> source;
    return source;
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

std::string GetClipboardText()
{
    if (const auto& source = InstalledSource())
        return source();
    return qGuiApp ? QGuiApplication::clipboard()->text().toStdString() : std::string();
}

void UseClipboardSource(std::function<std::string()> source) { InstalledSource() = std::move(source); }

} // namespace platform
