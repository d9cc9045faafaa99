// Scripts on the built game see exactly the tick they name, however many logic steps a frame
// runs: a dump and a screenshot at tick T show the game as step T left it, even when a quit
// follows at T + 1 within the same frame, and the script may come from a pipe.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "GameProcess.h"
#include "StateJson.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 120;

// Writes the text into a pipe once the game opens its end; false when it never does.
bool FeedPipe(const GameProcess& game, const fs::path& pipe, const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int fd = -1;
    // Without a reader, a non-blocking open fails: the game has not got there yet.
    while ((fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
        if (!game.Running() || std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return written;
}

struct Outputs {
    std::string State;
    std::string Shot;
};

// Runs the title with a state dump and a screenshot at tick 31 and a quit at 32 (one frame at 2
// or 50 steps a frame), the script fed through a pipe when asked.
Outputs RunAtTicksPerFrame(int ticksPerFrame, bool throughPipe) {
    GameProcess game("timing-" + std::to_string(ticksPerFrame));
    const fs::path state = game.Sandbox() / "state.json";
    const fs::path shot = game.Sandbox() / "shot.png";
    const std::string text =
        "31 state " + state.string() + "\n31 screenshot " + shot.string() + "\n32 quit\n";
    const std::vector<std::string> options = {
        "--ticks-per-frame", std::to_string(ticksPerFrame), "--seed", "7", "--screen", "title",
        "--script"};
    std::vector<std::string> args = options;
    int code = -1;
    if (throughPipe) {
        const fs::path pipe = game.Sandbox() / "script.fifo";
        EXPECT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        args.push_back(pipe.string());
        game.Start(args);
        EXPECT_TRUE(FeedPipe(game, pipe, text));
        code = game.Wait(kTimeout);
    } else {
        args.push_back(game.WriteScript("timing.txt", text).string());
        code = game.Run(args, kTimeout);
    }
    EXPECT_EQ(code, 0) << game.Stderr();
    return {ReadFile(state), ReadFile(shot)};
}

TEST(ScriptTimingTest, OutputsShowTheirOwnTickWhateverTheStepsPerFrame) {
    const Outputs one = RunAtTicksPerFrame(1, false);
    const StateJson dump = StateJson::Parse(one.State);
    EXPECT_EQ(dump["tick"].Int(), 31) << one.State;
    EXPECT_EQ(dump["screen"]["name"].Text(), "title") << one.State;
    // The title's picture compresses far less than the black of a screen already left.
    EXPECT_GT(one.Shot.size(), 50000u);

    for (const int ticksPerFrame : {2, 50}) {
        const Outputs other = RunAtTicksPerFrame(ticksPerFrame, ticksPerFrame == 50);
        EXPECT_EQ(other.State, one.State) << ticksPerFrame << " steps a frame";
        EXPECT_TRUE(other.Shot == one.Shot) << ticksPerFrame << " steps a frame";
    }
}

}  // namespace
