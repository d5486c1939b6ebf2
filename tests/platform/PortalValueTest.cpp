#include "platform/ColorSchemePreference.h"

#include <QDBusVariant>

#include <gtest/gtest.h>

using platform::ColorScheme;

namespace {

QVariant Wrapped(QVariant value, int variants)
{
    for (int i = 0; i < variants; ++i)
        value = QVariant::fromValue(QDBusVariant(value));
    return value;
}

} // namespace

// Only a uint32 inside exactly as many variants as the method gives is a colour scheme.
TEST(PortalValue, OnlyAUint32InItsOwnVariantsIsRead)
{
    const struct {
        QVariant value;
        int wrapped;
        int expected;
        std::optional<ColorScheme> scheme;
    } cases[] = {
        {uint{1}, 1, 1, ColorScheme::Dark},
        {uint{1}, 2, 2, ColorScheme::Dark},
        {uint{1}, 0, 0, ColorScheme::Dark},
        {uint{0}, 1, 1, ColorScheme::Light},
        {uint{2}, 2, 2, ColorScheme::Light},
        {qulonglong{4294967297}, 1, 1, std::nullopt},
        {true, 1, 1, std::nullopt},
        {1.0, 1, 1, std::nullopt},
        {int{1}, 1, 1, std::nullopt},
        {QStringLiteral("1"), 1, 1, std::nullopt},
        {uint{1}, 5, 1, std::nullopt},
        {uint{1}, 5, 2, std::nullopt},
        {uint{1}, 1, 2, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::SchemeOfPortalValue(Wrapped(c.value, c.wrapped), c.expected), c.scheme)
            << c.value.typeName() << " in " << c.wrapped << " variants, read as " << c.expected;
}
