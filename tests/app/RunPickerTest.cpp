#include "app/PickerApplication.h"
#include "app/FailureMessage.h"
#include "window/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QProxyStyle>
#include <QTimer>

#include <gtest/gtest.h>

// An empty caption of the script's own shows no text; an empty --ok-label keeps OK.
TEST(RunPicker, ShowsEachButtonsCaptionAsGivenEvenEmpty)
{
    const std::pair<const char*, const char*> cases[] = {
        {"--ok-label= --cancel-label=", "Cancel|OK"}, {"--extra-button=More --extra-button=", "Cancel|OK|More|"},
        {"--button=:1 --button=gtk-ok:0", "|OK"},     {"--button=_Go:0", "Go"},
    };
    for (const auto& [arguments, expected] : cases) {
        const app::CommandLine read =
            app::ParseCommandLine(QStringLiteral("datepicker --calendar %1").arg(arguments).split(u' '));
        std::string captions;
        RunPicker(read.options, [&](Form1& form) {
            for (int32_t index = 0; form.Dialog().Button(index); ++index)
                captions += (index ? "|" : "") + form.Dialog().Caption(index);
            QTimer::singleShot(0, [&form] { form.Dialog().End(DialogResult::Cancel); });
        });
        EXPECT_EQ(captions, expected) << arguments;
    }
}

// A dialog is titled by what it asks for, unless the script names it; the window alone keeps
// the design's title.
TEST(RunPicker, TitlesADialogByWhatItAsksFor)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "Form1"}, {"--print", "Select a date"}, {"--calendar", "Select a date"},
        {"--calendar --time", "Select a date and time"}, {"--time", "Select a date and time"},
        {"--print --title=Delivery", "Delivery"}, {"--title=Date", "Date"}};
    for (const auto& [arguments, expected] : cases) {
        std::string caption;
        RunPicker(app::ParseCommandLine(QStringLiteral("datepicker %1").arg(arguments).split(u' ', Qt::SkipEmptyParts)).options,
                  [&](Form1& form) {
                      caption = form.Caption();
                      QTimer::singleShot(0, [&form] { form.Dialog().End(DialogResult::Cancel); });
                  });
        EXPECT_EQ(caption, expected) << arguments;
    }
}

// A desktop whose dialog buttons show icons, as most do.
struct ButtonsWithIcons : QProxyStyle {
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* answer) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons || QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

// The message's button shows its caption and icon in its middle, in either direction.
TEST(BuildFailureMessage, TheButtonsContentIsCentredInEitherDirection)
{
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new ButtonsWithIcons);
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        const QImage image = app::MakeBuildFailureMessage("5")->buttons().front()->grab().toImage();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        int left = image.width(), right = -1;
        for (int x = 2; x < image.width() - 2; ++x)
            for (int y = image.height() / 2 - 3; y <= image.height() / 2 + 3; ++y)
                if (qGray(image.pixel(x, y)) < 120)
                    left = std::min(left, x), right = std::max(right, x);
        EXPECT_NEAR(left, image.width() - 1 - right, 4) << direction;
    }
    QApplication::setStyle(style);
}
