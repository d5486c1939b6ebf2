// The parts of the picker as screen readers see them. Each reads the window through its public
// face and acts through the same entry points as the keys and the pointer.

#include "window/AccessibleParts.h"

#include "date/modDate.h"
#include "platform/HostWindow.h"
#include "runtime/RuntimeError.h"
#include "window/Form1.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <array>
#include <cmath>

namespace accessibility {

int FirstLinkChild(const Form1& form) { return FirstColumnChild + form.Focus().ColumnStopCount(); }
int FirstButtonChild(const Form1& form) { return FirstLinkChild(form) + LinkCount; }
int ChildCount(const Form1& form) { return FirstColumnChild + form.Focus().StopCount() + (form.PromptText() ? 1 : 0); }

QString SelectedDate(const Form1& form)
{
    return form.DateHeader() ? QString::fromStdString(form.DateHeader()->Text()) : QString();
}

namespace {

const char* const ColumnNames[] = {QT_TRANSLATE_NOOP("accessibility", "Month"), QT_TRANSLATE_NOOP("accessibility", "Day"),
                                   QT_TRANSLATE_NOOP("accessibility", "Year"),  QT_TRANSLATE_NOOP("accessibility", "Hour"),
                                   QT_TRANSLATE_NOOP("accessibility", "Minute"), QT_TRANSLATE_NOOP("accessibility", "AM/PM")};

// One part of the window (the header, a column or a link); it has no object of its own.
class PartAccessible : public QAccessibleInterface {
public:
    PartAccessible(Form1& form, QAccessibleInterface* window) : form_(form), window_(window) {}

    bool isValid() const override { return form_.Host() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_->window(); }
    QAccessibleInterface* parent() const override { return window_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Description ? SelectedDate(form_) : QString();
    }
    QRect rect() const override
    {
        const markup::ElementPtr element = Element();
        if (!element || !form_.Host())
            return {};
        const QRect local = element->Bounds().translated(form_.LabelPosition()).toAlignedRect();
        return QRect(form_.Host()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = FocusStop() >= 0;
        state.focused = state.focusable && form_.Focus().Index() == FocusStop();
        return state;
    }

protected:
    virtual markup::ElementPtr Element() const = 0;
    /// The place of this part in the window's focus order, -1 when it takes no focus.
    virtual int FocusStop() const { return -1; }
    // Screen readers call actions from outside; a refused step changes nothing and is not an error to them.
    template <typename Action>
    static void Quietly(Action action)
    {
        try {
            action();
        } catch (const runtime::RuntimeError&) {
        }
    }

    Form1& form_;
    QAccessibleInterface* window_;
};

class HeaderAccessible : public PartAccessible {
public:
    using PartAccessible::PartAccessible;
    // The header's name is the date already; the note under it, if any, describes it.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description && form_.Note().Element())
            return QString::fromStdString(form_.Note().Text(form_.SelectedDate()));
        return kind == QAccessible::Name ? SelectedDate(form_) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }

protected:
    markup::ElementPtr Element() const override { return form_.DateHeader(); }
};

class ColumnAccessible : public PartAccessible, public QAccessibleValueInterface, public QAccessibleActionInterface {
public:
    ColumnAccessible(Form1& form, QAccessibleInterface* window, int column)
        : PartAccessible(form, window), column_(column)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return QCoreApplication::translate("accessibility", ColumnNames[column_]);
        if (kind == QAccessible::Value && form_.DateHeader())
            return QString::fromStdString(form_.CellText(column_, form_.SelectedRow()));
        return PartAccessible::text(kind);
    }
    QAccessible::Role role() const override { return QAccessible::SpinBox; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QVariant currentValue() const override { return form_.CellValues()(form_.SelectedRow(), column_); }
    void setCurrentValue(const QVariant& value) override
    {
        // Only a whole number within this column's own range is taken, so nothing ever carries
        // into a neighbouring column.
        bool isNumber = false;
        const double wanted = value.toDouble(&isNumber);
        if (!isNumber || wanted != std::floor(wanted) || wanted < minimumValue().toInt() ||
            wanted > maximumValue().toInt())
            return;
        Quietly([&] {
            std::array<int32_t, slider::ColumnCount> triple{};
            for (int column = 0; column < slider::ColumnCount; ++column)
                triple[column] = form_.CellValues()(form_.SelectedRow(), column);
            triple[column_] = static_cast<int32_t>(wanted);
            form_.SetDate(triple[0], triple[1], triple[2]);
        });
    }
    QVariant maximumValue() const override
    {
        if (column_ == slider::YearColumn)
            return form_.SelectableRange().Last.Year();
        if (column_ == slider::MonthColumn || !form_.DateHeader())
            return column_ == slider::MonthColumn ? 12 : 31;
        const slider::CellGrid& values = form_.CellValues();
        const int32_t row = form_.SelectedRow();
        return modDate::DaysInMonth(values(row, slider::MonthColumn), values(row, slider::YearColumn));
    }
    QVariant minimumValue() const override
    {
        return column_ == slider::YearColumn ? form_.SelectableRange().First.Year() : 1;
    }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString& action) override
    {
        if (action == increaseAction() || action == decreaseAction())
            Quietly([&] { form_.StepColumn(column_, action == increaseAction() ? 1 : -1); });
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == increaseAction())
            return {"Down"};
        if (action == decreaseAction())
            return {"Up"};
        return {};
    }

protected:
    markup::ElementPtr Element() const override { return form_.ColumnGrid(column_); }
    int FocusStop() const override
    {
        for (int stop = 0; stop < form_.Focus().ColumnStopCount(); ++stop)
            if (form_.Focus().ColumnAtStop(stop) == column_)
                return stop;
        return -1;
    }

    int column_;
};

// A time column: the hour as the clock shows it (0 to 23, or 1 to 12), the minute, or the half
// of the day (0 morning, 1 afternoon), set within the same day and never carried.
class TimeColumnAccessible : public ColumnAccessible {
public:
    using ColumnAccessible::ColumnAccessible;
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::fromStdString(Time().CellText(column_, slider::SelectedRow()));
        return ColumnAccessible::text(kind);
    }
    QVariant currentValue() const override
    {
        const int value = Time().CellValue(column_, slider::SelectedRow());
        return TwelveHours() ? (value % 12 == 0 ? 12 : value % 12) : value;
    }
    void setCurrentValue(const QVariant& value) override
    {
        bool isNumber = false;
        const double wanted = value.toDouble(&isNumber);
        const int step = minimumStepSize().toInt();
        if (!isNumber || wanted != std::floor(wanted) || wanted < minimumValue().toInt() ||
            wanted > maximumValue().toInt() || static_cast<int>(wanted) % step != 0 || !Time().Selected())
            return;
        const int number = static_cast<int>(wanted);
        const int now = Time().Selected()->Minute;
        int minute = now - now % 60 + number;
        if (column_ == slider::HourColumn)
            minute = (TwelveHours() ? number % 12 + (now >= 720 ? 12 : 0) : number) * 60 + now % 60;
        else if (column_ == slider::PeriodColumn)
            minute = now % 720 + number * 720;
        Quietly([&] { const_cast<TimeSlider&>(Time()).SetTime({form_.SelectedDate(), minute}); });
    }
    QVariant maximumValue() const override
    {
        // The last minute is the last step of the hour: 45 by 15.
        if (column_ == slider::MinuteColumn)
            return runtime::MinutesPerHour - Time().Setup().MinuteStep;
        return column_ == slider::HourColumn ? (TwelveHours() ? 12 : 23) : 1;
    }
    QVariant minimumValue() const override { return TwelveHours() ? 1 : 0; }
    QVariant minimumStepSize() const override
    {
        return column_ == slider::MinuteColumn ? Time().Setup().MinuteStep : 1;
    }

private:
    const TimeSlider& Time() const { return *form_.TimeColumns(); }
    bool TwelveHours() const { return column_ == slider::HourColumn && Time().Setup().Clock.TwelveHour; }
};

// A part that does one thing when pressed, with Enter or Space: a link or a dialog button.
class PressableAccessible : public PartAccessible, public QAccessibleActionInterface {
public:
    PressableAccessible(Form1& form, QAccessibleInterface* window, int index) : PartAccessible(form, window), index_(index) {}
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Quietly([&] { Press(); });
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{"Return", "Space"} : QStringList{};
    }

protected:
    virtual void Press() = 0;

    int index_;
};

class LinkAccessible : public PressableAccessible {
public:
    using PressableAccessible::PressableAccessible;
    QString text(QAccessible::Text kind) const override
    {
        // Worked out when asked, so a window left open past midnight reads the new dates.
        return kind == QAccessible::Name ? QString::fromStdString(SpecialDateLinks::Description(index_))
                                         : PartAccessible::text(kind);
    }
    QAccessible::Role role() const override { return QAccessible::Link; }

protected:
    markup::ElementPtr Element() const override { return form_.Links().Link(index_); }
    int FocusStop() const override { return FirstLinkChild(form_) - FirstColumnChild + index_; }
    void Press() override { form_.ActivateLink(index_); }
};

class ButtonAccessible : public PressableAccessible {
public:
    using PressableAccessible::PressableAccessible;
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? QString::fromStdString(form_.Dialog().Caption(index_))
                                         : PartAccessible::text(kind);
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        QStringList keys = PressableAccessible::keyBindingsForAction(action);
        if (const char32_t key = form_.Dialog().AccessKey(index_); key != 0 && !keys.isEmpty())
            keys << QStringLiteral("Alt+") + QString::fromUcs4(&key, 1).toUpper();
        return keys;
    }

protected:
    markup::ElementPtr Element() const override { return form_.Dialog().Button(index_); }
    int FocusStop() const override { return FirstButtonChild(form_) - FirstColumnChild + index_; }
    void Press() override { form_.Dialog().Press(index_); }
};

// The prompt is read as text. It comes last, so that the parts that take the focus keep
// their places whether or not the window has one.
class PromptAccessible : public PartAccessible {
public:
    using PartAccessible::PartAccessible;
    QString text(QAccessible::Text kind) const override
    {
        const auto prompt = std::dynamic_pointer_cast<markup::TextBlock>(Element());
        return kind == QAccessible::Name && prompt ? QString::fromStdString(prompt->Text()) : PartAccessible::text(kind);
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }

protected:
    markup::ElementPtr Element() const override { return form_.PromptText(); }
};

} // namespace

// The header, the prompt last, then the columns, the links and the buttons by their places.
QAccessibleInterface* MakePart(Form1& form, QAccessibleInterface* window, int index)
{
    if (index == HeaderChild)
        return new HeaderAccessible(form, window);
    if (form.PromptText() && index == ChildCount(form) - 1)
        return new PromptAccessible(form, window);
    if (const int column = form.Focus().ColumnAtStop(index - FirstColumnChild); column >= slider::FirstTimeColumn)
        return new TimeColumnAccessible(form, window, column);
    if (index < FirstLinkChild(form))
        return new ColumnAccessible(form, window, form.Focus().ColumnAtStop(index - FirstColumnChild));
    if (index < FirstButtonChild(form))
        return new LinkAccessible(form, window, index - FirstLinkChild(form));
    return new ButtonAccessible(form, window, index - FirstButtonChild(form));
}

} // namespace accessibility
