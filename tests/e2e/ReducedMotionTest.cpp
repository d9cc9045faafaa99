// Calmer motion on the built game: the title's pixels that change over the same second,
// before; the option switched on by pad on the options screen and kept in the preferences file
// with the settings file's bytes untouched; then, read back at the next start, the ring stands
// still and far fewer pixels change.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "GameProcess.h"
#include "ScriptJourney.h"
#include "StateJson.h"
#include "tools/PngPicture.h"

namespace {

constexpr double kTimeout = 300;

// Pixels that differ between two screenshots of the same size; -1 when one cannot be read.
long ChangedPixels(const std::filesystem::path& a, const std::filesystem::path& b) {
    const PngPicture first = PngPicture::Decode(a.string());
    const PngPicture second = PngPicture::Decode(b.string());
    if (!first.ok || !second.ok || first.rgba.size() != second.rgba.size()) return -1;
    long changed = 0;
    for (size_t i = 0; i < first.rgba.size(); i += 4) {
        if (first.rgba[i] != second.rgba[i] || first.rgba[i + 1] != second.rgba[i + 1] ||
            first.rgba[i + 2] != second.rgba[i + 2])
            ++changed;
    }
    return changed;
}

// The title watched for one second (200 logic steps): changed pixels, and the state after.
long TitleChanges(GameProcess& game, const std::string& name, StateJson& state) {
    ScriptJourney s(game, name + ".txt", kTimeout);
    s.Screenshot(name + "-a");
    s.Wait(200);
    s.Screenshot(name + "-b");
    s.State(name);
    if (s.Run({"--ticks-per-frame", "1", "--screen", "title", "--player", "Ann"}) != 0) return -1;
    state = s.Dump(name);
    return ChangedPixels(game.Sandbox() / (name + "-a.png"), game.Sandbox() / (name + "-b.png"));
}

class PadOptions : public ScriptJourney {
public:
    using ScriptJourney::ScriptJourney;
    void Pad(const std::string& button) { Line("pad " + button); }
};

TEST(ReducedMotionTest, TheOptionIsSavedReadBackAndTheTitleMovesFarLess) {
    GameProcess game("reduced-motion");
    StateJson before;
    const long normal = TitleChanges(game, "normal", before);
    ASSERT_GT(normal, 0) << game.Stderr();
    EXPECT_EQ(before["ReducedMotion"].Int(), 0);
    const std::string settings = ReadFile(game.Shared() / "quillox.ini");
    ASSERT_FALSE(settings.empty());

    // Down past the two sliders and the two toggles above it, then A.
    PadOptions p(game, "options.txt", kTimeout);
    p.Pad("connect");
    for (int i = 0; i < 5; ++i) p.Pad("dpdown");
    p.Pad("a");
    p.Screenshot("options");
    p.State("switched");
    p.Pad("b");
    ASSERT_EQ(p.Run({"--ticks-per-frame", "2", "--screen", "options", "--player", "Ann"}), 0)
        << game.Stderr();
    const StateJson switched = p.Screen("switched");
    EXPECT_EQ(switched["Options"]["ReducedMotion"].Int(), 1);
    EXPECT_EQ(switched["Buttons"]["REDUCEDMOTION"]["image"].Text(), "ON");
    EXPECT_EQ(ReadFile(game.Shared() / "preferences.ini"), "Language=\r\nReduced Motion=1\r\n");
    EXPECT_EQ(ReadFile(game.Shared() / "quillox.ini"), settings)
        << "the settings file keeps its keys and bytes";

    StateJson after;
    const long calm = TitleChanges(game, "calm", after);
    ASSERT_GE(calm, 0) << game.Stderr();
    EXPECT_EQ(after["ReducedMotion"].Int(), 1) << "read back at the next start";
    EXPECT_EQ(after["screen"]["GBRingRot"].Number(), 0) << "the ring stands still";
    EXPECT_LT(calm * 20, normal) << normal << " pixels changed before, " << calm << " now";
    std::printf("title pixels changed over one second: %ld before, %ld with calmer motion\n",
                normal, calm);
}

}  // namespace
