#pragma once
// Starts the built game as a child process in a sandbox of its own: its own data home and
// runtime folder, so tests never touch the user's files or each other's instance locks, and no
// locale variables, so it speaks English unless told otherwise.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

class GameProcess {
public:
    explicit GameProcess(const std::string& sandboxName);
    ~GameProcess();

    std::filesystem::path Sandbox() const { return sandbox_; }
    std::filesystem::path Shared() const { return sandbox_ / "home" / "Bexholt" / "Quillox"; }
    std::filesystem::path WriteScript(const std::string& name, const std::string& text) const;

    // A command the game is started under (a tracer), with its arguments; empty: none.
    std::vector<std::string> Launcher;

    // Starts the game with --headless --data-home and the given arguments.
    void Start(const std::vector<std::string>& args);
    // Waits up to `seconds`; returns the exit code, or -1 after killing a game that hangs.
    int Wait(double seconds);
    int Run(const std::vector<std::string>& args, double seconds) {
        Start(args);
        return Wait(seconds);
    }
    void Signal(int signal) const;
    bool Running() const { return pid_ > 0; }
    std::string Stderr() const;

private:
    std::filesystem::path sandbox_;
    pid_t pid_ = -1;
};

std::string ReadFile(const std::filesystem::path& path);
// A profile file as the game writes it: lives 3, no kills, tips and instructions on, no hints
// shown, the three flag bytes clear.
std::string ProfileFile(int level, int locked, int score, double time);
// A saved Classic game as the game writes it, with no moves made yet, from a board drawn as nine
// rows of nine characters, top row first ('.' empty, '2' to '8' a flavour); 5, 6 and 7 shown next.
std::string ClassicGameFile(const std::vector<std::string>& rows, int score);
// A Classic board with no five alike anywhere and only its three bottom-right cells, (7, 8),
// (8, 8) and (8, 7), free: moving the piece on (8, 6) down one deals the board full.
std::vector<std::string> ClassicBoardNearlyFull();
// A launcher that runs the game under strace with these options added. The leak check cannot
// work under a tracer and is switched off.
std::vector<std::string> Traced(std::vector<std::string> options);
// Width and height from a PNG header, {0, 0} when it is not a PNG.
std::pair<int, int> PngSize(const std::filesystem::path& path);
