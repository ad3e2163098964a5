// SPDX-License-Identifier: GPL-3.0-or-later
// The menu artwork reaches programs that link the kit, at the sizes the menu lays out.
#include <QImage>

#include "app_fixture.h"

namespace zembrik::test {
namespace {

TEST(MenuArt, EveryPictureIsAResourceOfItsExactSize) {
    const std::pair<const char*, QSize> pictures[] = {
        {":/art/newgame.png", {192, 32}},      {":/art/controls.png", {192, 32}},
        {":/art/settings.png", {192, 32}},     {":/art/about.png", {192, 32}},
        {":/art/options.png", {192, 256}},     {":/art/title.png", {192, 168}},
        {":/art/controls_bg.png", {457, 221}},
    };
    for (const auto& [path, size] : pictures) {
        const QImage img{QString::fromLatin1(path)};
        ASSERT_FALSE(img.isNull()) << path;
        EXPECT_EQ(img.size(), size) << path;
        EXPECT_FALSE(img.hasAlphaChannel()) << path;
    }
}

// Only the upper 84 rows of the title stay on screen; the loading notice lies below them.
TEST(MenuArt, TitleNameStaysInTheRowsLeftVisible) {
    const QImage title(QStringLiteral(":/art/title.png"));
    auto rowLit = [&](int y) {
        for (int x = 0; x < title.width(); ++x)
            if (qGray(title.pixel(x, y)) > 60) return true;
        return false;
    };
    bool litBelowName = false;
    for (int y = 84; y < 100; ++y)
        litBelowName = litBelowName || rowLit(y);
    EXPECT_FALSE(litBelowName) << "a gap keeps the notice from showing in the cropped title";
    bool notice = false;
    for (int y = 100; y < 168; ++y)
        notice = notice || rowLit(y);
    EXPECT_TRUE(notice);
}

} // namespace
} // namespace zembrik::test
