#include "app/PickerApplication.h"
#include "window/Form1.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The captions of the buttons the picker shows for a command line, joined with "|".
std::string ButtonCaptions(const std::vector<const char*>& arguments)
{
    QStringList line{QStringLiteral("datepicker"), QStringLiteral("--calendar")};
    for (const char* argument : arguments)
        line << QString::fromUtf8(argument);
    const app::CommandLine read = app::ParseCommandLine(line);
    EXPECT_EQ(read.outcome, app::CommandLineOutcome::Run) << read.text.toStdString();
    std::string captions;
    RunPicker(read.options, [&](Form1& form) {
        for (int32_t index = 0; form.DialogButton(index); ++index)
            captions += (index ? "|" : "") + form.DialogButtonCaption(index);
        QTimer::singleShot(0, [&form] { form.EndDialog(DialogResult::Cancel); });
    });
    return captions;
}

} // namespace

TEST(RunPicker, AnEmptyCaptionOfTheScriptsOwnShowsNoText)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, "Cancel|OK"},
        {{"--ok-label=", "--cancel-label="}, "Cancel|OK"},
        {{"--ok-label=Yes"}, "Cancel|Yes"},
        {{"--extra-button="}, "Cancel|OK|"},
        {{"--extra-button=More", "--extra-button="}, "Cancel|OK|More|"},
        {{"--button=:1", "--button=gtk-ok:0"}, "|OK"},
        {{"--button=_Go:0"}, "Go"},
    };
    for (const auto& [arguments, captions] : cases)
        EXPECT_EQ(ButtonCaptions(arguments), captions);
}
