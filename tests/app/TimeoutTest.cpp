#include "app/PickerApplication.h"
#include "window/Form1.h"

#include <gtest/gtest.h>

// Escape pressed as the timer fires: the timer comes second and changes nothing.
TEST(Timeout, LeavesADialogTheUserEndedAsItWas)
{
    FormSetup cancelledSetup;
    cancelledSetup.Dialog = DialogSetup::CancelOk();
    Form1 cancelled(std::move(cancelledSetup));
    cancelled.Form_Load();
    cancelled.Show();
    cancelled.Dialog().End(DialogResult::Cancel);
    EXPECT_FALSE(EndOnTimeout(cancelled));
    EXPECT_EQ(cancelled.Dialog().Result(), DialogResult::Cancel);
    cancelled.Form_Unload();

    FormSetup openSetup;
    openSetup.Dialog = DialogSetup::CancelOk();
    Form1 open(std::move(openSetup));
    open.Form_Load();
    open.Show();
    EXPECT_TRUE(EndOnTimeout(open));
    EXPECT_EQ(open.Dialog().Result(), DialogResult::Ok);
    open.Form_Unload();
}
