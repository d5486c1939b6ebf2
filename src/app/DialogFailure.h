#pragma once

#include <QString>
#include <QStringList>

/// Every way the dialog can fail ends the program with status 3 and one line on standard
/// error, never with an abort or with the status of a user's choice.
namespace dialogfailure {

/// Writes "datepicker: <reason>" on standard error.
void Report(const QString& reason);

/// Why no window can open at all, or an empty text: no display is named (DISPLAY,
/// WAYLAND_DISPLAY, -display among the window system's `arguments`), and no platform is
/// chosen instead (QT_QPA_PLATFORM, -platform). Asked before the window system starts, which
/// would otherwise try each platform it knows and let each complain in its own words.
QString MissingDisplay(const QStringList& arguments);

/// Guards the start of the window system. Qt reports a platform that cannot start as a fatal
/// message and then aborts; while guarded, that becomes status 3 with the reason in one line,
/// and Qt's own messages about it are held back. Call before QApplication is made, while the
/// user's language is loaded: the texts are translated here.
void GuardStart();
/// The window system has started: the messages held back go out as they would have.
void StartSucceeded();

/// Marks the time the dialog is open. The window system ends the process by itself when its
/// connection breaks; while the dialog is open that becomes status 3 and one line.
class OpenDialog {
public:
    OpenDialog();
    ~OpenDialog();
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;
};

} // namespace dialogfailure
