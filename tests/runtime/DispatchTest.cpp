#include "runtime/Dispatchable.h"
#include "runtime/LoadedForms.h"
#include "runtime/ProgIdRegistry.h"
#include "support/TestEnvironment.h"

using namespace runtime;

namespace {

class Counter : public Dispatchable {
public:
    Counter()
    {
        Publish("Add", [this](const Arguments& arguments) {
            total += ArgumentAs<int32_t>(arguments, 0);
            return std::any(total);
        });
    }
    int32_t total = 0;
};

} // namespace

TEST(Dispatch, CallsMembersByNameAndChecksArguments)
{
    Counter counter;
    EXPECT_EQ(std::any_cast<int32_t>(counter.CallByName("Add", {std::any(int32_t{5})})), 5);
    EXPECT_RUNTIME_ERROR(counter.CallByName("add", {std::any(int32_t{1})}), ErrNoSuchMember);
    EXPECT_RUNTIME_ERROR(counter.CallByName("Add", {}), ErrWrongArgumentCount);
    EXPECT_RUNTIME_ERROR(counter.CallByName("Add", {std::any(std::string("1"))}), ErrTypeMismatch);
    EXPECT_EQ(counter.total, 5);
}

TEST(Dispatch, LoadedFormsKeepTheirOrderAndLeaveOnRemoval)
{
    Counter first;
    Counter second;
    AddLoadedForm(first, 10);
    AddLoadedForm(second, 20);
    ASSERT_EQ(LoadedForms().size(), 2u);
    EXPECT_EQ(LoadedForms()[0].Form, &first);
    EXPECT_EQ(LoadedForms()[1].WindowHandle, 20u);
    RemoveLoadedForm(first);
    RemoveLoadedForm(second);
    EXPECT_TRUE(LoadedForms().empty());
}

TEST(Dispatch, ProgIdCreatesNewComponentsAndRefusesUnknownOnes)
{
    RegisterProgId("Test.Counter", [] { return std::make_shared<Counter>(); });
    const auto one = CreateObjectByProgId("Test.Counter");
    const auto two = CreateObjectByProgId("Test.Counter");
    EXPECT_NE(one, two);
    EXPECT_RUNTIME_ERROR(CreateObjectByProgId("Test.Missing"), ErrCannotCreateObject);
    RegisterProgId("Test.Broken", [] { return std::shared_ptr<Dispatchable>(); });
    EXPECT_RUNTIME_ERROR(CreateObjectByProgId("Test.Broken"), ErrCannotCreateObject);
}
