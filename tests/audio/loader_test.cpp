// SPDX-License-Identifier: GPL-3.0-or-later
// The game's loader finds the built module in the application folder and runs the set-up on it.
#include "audio/sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace zembrik {
namespace {

struct SilentAlerts : Alerts {
    void show(AlertIcon, const std::string&, const std::string& text) override { shown += text; }
    std::string shown;
};

TEST(ModuleLoader, FindsTheModuleByPath) {
    auto loader = makeSharedLibraryLoader();
    auto api = loader->open(std::string(ZEMBRIK_APP_DIR) + "/libbass.so");
    ASSERT_NE(api, nullptr);
    EXPECT_EQ(api->getVersion(), 0x20002u);
    EXPECT_EQ(loader->open(std::string(ZEMBRIK_SOURCE_DIR) + "/snd/lock.wav"), nullptr);
    EXPECT_EQ(loader->open(std::string(ZEMBRIK_APP_DIR) + "/no-such-module.so"), nullptr);
}

TEST(ModuleLoader, RealSetupInTheApplicationFolder) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SilentAlerts alerts;
    Sound sound;
    ASSERT_TRUE(sound.setup(ZEMBRIK_APP_DIR, alerts, 0)) << alerts.shown;
    EXPECT_EQ(sound.soundCount(), 9);
    sound.playsound("ers", 4, 0);
    sound.playsound("lck", 0, 0);
    sound.playsound("abs", 12, 0);
    sound.shutdown();
    sound.shutdown();
}

} // namespace
} // namespace zembrik
