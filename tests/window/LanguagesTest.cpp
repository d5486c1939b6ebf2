#include "platform/ContextMenu.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "platform/WindowSystem.h"
#include "runtime/DateText.h"
#include "runtime/Locale.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"
#include "app/Translations.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextLayout>
#include <QLocale>

#include <typeinfo>

using namespace markup;

namespace {

// Shows the window's names and texts in one language for the life of the object.
class InLanguage {
public:
    explicit InLanguage(const QString& name)
    {
        runtime::UseLocale(QLocale(name));
        translations::UseLanguage(QLocale(name));
    }
    ~InLanguage()
    {
        runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        translations::UseLanguage(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

std::string ShownCaption(const Form1& form, int index)
{
    const auto link = std::dynamic_pointer_cast<Hyperlink>(form.Links().Link(index));
    return std::dynamic_pointer_cast<Run>(link->Inlines().Item(0))->Text();
}

// Every element below `element` with a right edge past `limit`, by name or kind.
void CollectOverhangs(const Element& element, double limit, std::vector<std::string>& overhangs)
{
    element.ForEachChild([&](const ElementPtr& child) {
        const Element& part = *child;
        if (part.Bounds().right() > limit + 0.01)
            overhangs.push_back(part.Name().empty() ? typeid(part).name() : part.Name());
        CollectOverhangs(*child, limit, overhangs);
    });
}

} // namespace

// Each language writes the header in its own long form over the columns in the order of its
// short form, mirrored where it is written right to left; English keeps "dddd mmmm d, yyyy"
// over month, day, year. Tab, the separators and the accessibility tree follow the places.
TEST(Languages, TheHeaderAndTheColumnsFollowTheLanguage)
{
    const FixedToday today(Ymd(2026, 12, 8));
    const struct {
        const char* locale;
        const char* header;
        std::array<int32_t, 3> columns; // in reading order
        const char* month;
        const char* lastOfLastMonth;
    } cases[] = {
        {"en_US", "Tuesday December 8, 2026", {0, 1, 2}, "December", "Last of last month"},
        {"en_GB", "Tuesday December 8, 2026", {0, 1, 2}, "December", "Last of last month"},
        {"de_DE", "Dienstag, 8. Dezember 2026", {1, 0, 2}, "Dezember", "Letzter des Vormonats"},
        {"pl_PL", "wtorek, 8 grudnia 2026", {1, 0, 2}, "grudzień", "Koniec zeszłego miesiąca"},
        {"ca_ES", "dimarts, 8 de desembre de 2026", {1, 0, 2}, "desembre", "Últim del mes passat"},
        {"ja_JP", "2026年12月8日火曜日", {2, 0, 1}, "12月", "先月の末日"},
        {"hu_HU", "2026. december 8., kedd", {2, 0, 1}, "december", "Előző hónap vége"},
        {"ar_EG", "الثلاثاء، 8 ديسمبر 2026", {1, 0, 2}, "ديسمبر", "آخر الشهر الماضي"},
        {"he_IL", "יום שלישי, 8 בדצמבר 2026", {1, 0, 2}, "דצמבר", "סוף החודש הקודם"},
        // Chinese has one translation per script: Hong Kong reads Taiwan's, Singapore China's.
        // Both write their short dates day first.
        {"zh_HK", "2026年12月8日星期二", {1, 0, 2}, "12月", "上個月最後一天"},
        {"zh_SG", "2026年12月8日星期二", {1, 0, 2}, "十二月", "上月最后一天"},
    };
    for (const auto& c : cases) {
        const InLanguage language(c.locale);
        TestForm form;
        form.Form_Load();
        form.MarkupLabel1()->UpdateLayout();
        EXPECT_EQ(form.DateHeader()->Text(), c.header) << c.locale;
        EXPECT_EQ(form.Shown(0, 2), c.month) << c.locale;
        EXPECT_EQ(ShownCaption(form, 6), c.lastOfLastMonth) << c.locale;
        EXPECT_EQ(runtime::DateFromText(form.DateHeader()->Text()), Ymd(2026, 12, 8)) << c.locale;

        const bool mirrored = QLocale(c.locale).textDirection() == Qt::RightToLeft;
        for (int32_t place = 0; place < 3; ++place) {
            const int32_t column = c.columns[place];
            EXPECT_EQ(form.PlacedColumns().ColumnAt(place), column) << c.locale;
            if (place < 2) {
                const double here = form.SliderGrids(column)->Bounds().center().x();
                const double next = form.SliderGrids(c.columns[place + 1])->Bounds().center().x();
                EXPECT_TRUE(mirrored ? here > next : here < next) << c.locale << " place " << place;
            }
            // A separator Border comes first in every column but the last one.
            const bool separated = !std::dynamic_pointer_cast<Border>(form.SliderGrids(column)->Children().Item(0))
                                        ->Name()
                                        .starts_with("Border_");
            EXPECT_EQ(separated, place < 2) << c.locale << " column " << column;
            platform::SendMessageA(form.hWnd(), platform::WM_KEYDOWN, platform::VK_TAB, 0);
            EXPECT_EQ(form.Focus().FocusedColumn(), column) << c.locale << " Tab " << place;
        }
        form.Form_Unload();
    }
}

TEST(Languages, EveryShippedLanguageFitsInsideTheFrameAndTheWindow)
{
    QStringList languages = QDir(":/i18n").entryList({"datepicker_*.qm"});
    ASSERT_FALSE(languages.isEmpty()) << "no translations in the resources";
    for (QString language : languages) {
        language = language.mid(QString("datepicker_").size()).chopped(QString(".qm").size());
        const InLanguage inLanguage(language);
        TestForm form(CancelOkSetup()); // a script's dialog must fit too
        form.Form_Load();
        ASSERT_NE(ShownCaption(form, 0), "Today") << language.toStdString() << " is not translated";
        form.MarkupLabel1()->UpdateLayout();

        const auto root = std::dynamic_pointer_cast<StackPanel>(form.MarkupLabel1()->RootElement());
        const auto frame = std::dynamic_pointer_cast<Border>(root->Children().Item(1));
        const QRectF outer = frame->Bounds();
        EXPECT_GE(outer.left(), 0) << language.toStdString();
        EXPECT_LE(outer.right(), form.MarkupLabel1()->Size().width()) << language.toStdString();
        const double innerRight = outer.right() - frame->BorderThickness()->Right - frame->Padding()->Right;
        std::vector<std::string> overhangs;
        CollectOverhangs(*frame, innerRight, overhangs);
        EXPECT_TRUE(overhangs.empty()) << language.toStdString() << ": " << overhangs.front();
        for (const int button : {0, 1}) {
            const QRectF bounds = form.Dialog().Button(button)->Bounds();
            EXPECT_GE(bounds.left(), outer.left()) << language.toStdString() << " button " << button;
            EXPECT_LE(bounds.right(), outer.right()) << language.toStdString() << " button " << button;
        }
        // Every header is whole inside the window, whatever the date, and the frame keeps its
        // width; the header's text copied and pasted selects its date again.
        const double frameWidth = outer.width();
        for (int month = 1; month <= 12; ++month) {
            for (const int day : {1, 24, 25, 26, 27, 28, 29, 30}) {
                form.Select(month, day, 2027);
                form.MarkupLabel1()->UpdateLayout();
                const auto& header = form.DateHeader();
                const QMarginsF margin = MarginsOf(header->Margin());
                EXPECT_LE(header->DesiredSize().width() - margin.left() - margin.right(), header->Bounds().width() + 0.01)
                    << language.toStdString() << " " << header->Text();
                EXPECT_GE(header->Bounds().left(), 0) << language.toStdString();
                EXPECT_LE(header->Bounds().right(), form.MarkupLabel1()->Size().width()) << language.toStdString();
                EXPECT_EQ(frame->Bounds().width(), frameWidth) << language.toStdString() << " " << header->Text();
                EXPECT_EQ(runtime::DateFromText(header->Text()), form.SelectedDate()) << language.toStdString();
            }
        }
        form.Form_Unload();
    }
}

// The menu's ISO date reads year, month, day from the left inside every language's text.
TEST(Languages, TheMenusIsoDateReadsYearFirstInEveryDirection)
{
    const FixedToday today(Ymd(2026, 2, 14));
    QString entry;
    platform::UseContextMenu([&](int, int, const std::vector<platform::MenuEntry>& shown) {
        entry = QString::fromStdString(shown.at(1).Text);
        return -1;
    });
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "he_IL"}) {
        const InLanguage language(locale);
        TestForm form;
        form.Form_Load();
        platform::SendMessageA(form.hWnd(), platform::WM_CONTEXTMENU, 0, platform::MakeLParam(10, 10));
        QTextLayout layout(entry);
        QTextOption option;
        option.setTextDirection(QGuiApplication::layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const auto xOf = [&](const char* part) { return line.cursorToX(static_cast<int>(entry.indexOf(part)) + 1); };
        EXPECT_TRUE(xOf("2026") < xOf("-02") && xOf("-02") < xOf("-14")) << locale << ": " << entry.toStdString();
        form.Form_Unload();
    }
    platform::UseContextMenu(nullptr);
}
