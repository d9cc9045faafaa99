// Any bytes as a player's profile file: the fields, the hints and the game's flag block must
// load without harm, come into play within range, and save back to a file that reads the same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "store/LevelCount.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    TPlayer player;
    auto profile = TProfile::Create("Fuzz", "/nonexistent/");
    player.SaveData.Init(profile.get());
    player.SaveData.AttachTo(*profile);
    profile->ReadBytes(bytes);

    FUZZ_CHECK(player.ReadProfile(profile.get(), 0) == 1);
    FUZZ_CHECK(player.Level >= 1 && player.Level <= LevelCount);
    FUZZ_CHECK(player.Unlocked >= player.Level && player.Unlocked <= LevelCount);
    FUZZ_CHECK(player.Score >= 0);
    FUZZ_CHECK(player.TotalTimeTaken >= 0);
    for (const int flag :
         {int{player.SaveData.colorblind}, player.SaveData.FirstTime, player.SaveData.Tutorial}) {
        FUZZ_CHECK(flag == 0 || flag == 1);
    }

    const std::string saved = profile->Bytes();
    TPlayer again;
    auto reread = TProfile::Create("Fuzz", "/nonexistent/");
    again.SaveData.AttachTo(*reread);
    reread->ReadBytes(saved);
    FUZZ_CHECK(reread->Bytes() == saved);

    return 0;
}
