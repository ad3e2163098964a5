// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped key names: the key-name file matches the table and names every key we map.
#include <QKeyEvent>

#include "app/key_names.h"
#include "app/vk_table.h"
#include "app_fixture.h"

namespace zembrik::test {
namespace {

TEST(KeyNames, ShippedFileHoldsExactlyTheTableWithCrLf) {
    QByteArray expected;
    for (int code = 0; code < 256; ++code) {
        const std::string name = shippedKeyName(code);
        if (!name.empty()) expected += QByteArray::fromStdString(name) + "\r\n";
    }
    EXPECT_EQ(shippedFile("keycode.000"), expected);
}

TEST(KeyNames, CommonKeysHaveReadableNames) {
    EXPECT_EQ(shippedKeyName(37), "37 Left arrow");
    EXPECT_EQ(shippedKeyName(65), "65 A");
    EXPECT_EQ(shippedKeyName(48), "48 0");
    EXPECT_EQ(shippedKeyName(32), "32 Space");
    EXPECT_EQ(shippedKeyName(13), "13 Enter");
    EXPECT_EQ(shippedKeyName(16), "16 Shift");
    EXPECT_EQ(shippedKeyName(123), "123 F12");
    EXPECT_EQ(shippedKeyName(0), "");
    EXPECT_EQ(shippedKeyName(255), "");
}

// Every code the key table can produce must show a name in the Controls dialog.
TEST(KeyNames, EveryMappedPhysicalKeyHasAName) {
    for (uint32_t x = 9; x < 256; ++x) {
        const int vk = virtualKeyFromScanCode(x);
        if (vk != 0) {
            EXPECT_FALSE(shippedKeyName(vk).empty()) << "X key code " << x;
        }
    }
}

TEST(KeyNames, ReaderTakesTheLeadingNumberAndSkipsTheRest) {
    std::array<std::string, 256> names;
    const int skipped = readKeyNames(" \t8 Back\nx 9\n256 big\n255\r\n1e2 exp\n\n-0 zero\r", names);
    EXPECT_EQ(skipped, 2);
    EXPECT_EQ(names[8], " \t8 Back");
    EXPECT_EQ(names[255], "255");
    EXPECT_EQ(names[1], "1e2 exp") << "reading stops at the first non-digit";
    EXPECT_EQ(names[0], "-0 zero");
}

TEST(KeyNames, HalfwayNumbersRoundToEven) {
    std::array<std::string, 256> names;
    readKeyNames("36.5 a\n37.5 b\n", names);
    EXPECT_EQ(names[36], "36.5 a");
    EXPECT_EQ(names[38], "37.5 b");
}

TEST(KeyNames, HostileLinesAreSkippedAndNothingLandsOutsideTheTable) {
    std::string text = std::string("-1 minus\n-255 far\n99999999999999999999999 huge\n") + "1" +
                       std::string(400, '0') + " endless\n" + std::string("65\0A nul\n", 9);
    for (int i = 0; i < 100000; ++i)
        text += "-7 x\n";
    std::array<std::string, 256> names;
    EXPECT_EQ(readKeyNames(text, names), 100004);
    EXPECT_EQ(names[65], std::string("65\0A nul", 8)) << "the whole line, NUL byte included";
    for (int code = 0; code < 256; ++code)
        if (code != 65) {
            EXPECT_EQ(names[static_cast<size_t>(code)], "") << code;
        }
}

} // namespace
} // namespace zembrik::test
