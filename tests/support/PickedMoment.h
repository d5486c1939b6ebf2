#pragma once

#include "app/CommandLine.h"
#include "window/Form1.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

/// What is wrong with the date and time `picker` selects, set up from `options`, or an empty text.
/// A date lies within --min-date and --max-date. With time columns, the wall time also lies on
/// the minute step, the header shows it, the local clock shows it (to UTC and back gives the
/// same wall time), and %s, %z and %Z print a moment that the C library shows as that wall time,
/// with that offset and zone name.
std::string MomentInconsistency(const Form1& picker, const app::PickerOptions& options);

/// Whether the local clock shows `time`, as the C library's mktime and localtime_r tell.
bool ClockShows(const runtime::WallTime& time);

/// What is wrong with the %s, %z and %Z that the program prints for `time`, a wall time the
/// clock shows: %s must be a moment the C library shows as `time`, with that offset and name.
std::string PrintedMomentProblem(const runtime::WallTime& time);

/// A picker started from a command line, loaded as the program loads it but never shown.
struct StartedPicker {
    /// The command line as the parser read it.
    app::CommandLine Read;
    /// The loaded window; nothing when the command line was refused or the window not built.
    std::unique_ptr<Form1, void (*)(Form1*)> Form{nullptr, [](Form1*) {}};
    /// What is wrong: a refusal that is not one line, a window that could not be built, or a
    /// moment that breaks MomentInconsistency's rules; empty when nothing is.
    std::string Problem;
};

/// Reads `arguments` (the program's name first) and, when the parser accepts them, sets up and
/// loads the window they ask for.
StartedPicker StartFromCommandLine(const QStringList& arguments);

/// The kinds of things a user does to the window that ActOn can do.
constexpr uint32_t ActionCount = 7;

/// Does one thing to the window, chosen by `action` modulo ActionCount and shaped by `value`: a
/// column step, a click on a cell, a link, Home, Tab, a typed character, or a paste of `pasted`.
void ActOn(Form1& form, uint32_t action, uint32_t value, const std::string& pasted);
