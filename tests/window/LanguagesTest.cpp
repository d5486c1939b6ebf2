#include "runtime/Locale.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"
#include "app/Translations.h"

#include <QDir>
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
    const auto link = std::dynamic_pointer_cast<Hyperlink>(form.SpecialDateLink(index));
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

TEST(Languages, TheHeaderAndTheMonthColumnUseTheMonthNameThatStandsAlone)
{
    const FixedToday today(Ymd(2026, 12, 6));
    const struct {
        const char* locale;
        const char* header;
        const char* month;
        const char* lastOfLastMonth;
    } cases[] = {
        {"de_DE", "Sonntag Dezember 6, 2026", "Dezember", "Letzter des Vormonats"},
        {"ca_ES", "diumenge desembre 6, 2026", "desembre", "Últim del mes passat"},
        {"pl_PL", "niedziela grudzień 6, 2026", "grudzień", "Koniec zeszłego miesiąca"},
        // Chinese has one translation per script: Hong Kong reads Taiwan's, Singapore China's.
        {"zh_HK", "星期日 12月 6, 2026", "12月", "上個月最後一天"},
        {"zh_SG", "星期日 十二月 6, 2026", "十二月", "上月最后一天"},
        {"nn_NO", "søndag desember 6, 2026", "desember", "Siste i førre månad"},
        {"he_IL", "יום ראשון דצמבר 6, 2026", "דצמבר", "סוף החודש הקודם"},
    };
    for (const auto& c : cases) {
        const InLanguage language(c.locale);
        TestForm form;
        form.Form_Load();
        EXPECT_EQ(form.DateHeader()->Text(), c.header) << c.locale;
        EXPECT_EQ(form.Shown(0, 2), c.month) << c.locale;
        EXPECT_EQ(ShownCaption(form, 6), c.lastOfLastMonth) << c.locale;
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
        TestForm form;
        form.SetButtons(FormButtons::CancelOk); // a script's dialog must fit too
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
            const QRectF bounds = form.DialogButton(button)->Bounds();
            EXPECT_GE(bounds.left(), outer.left()) << language.toStdString() << " button " << button;
            EXPECT_LE(bounds.right(), outer.right()) << language.toStdString() << " button " << button;
        }
        form.Form_Unload();
    }
}
