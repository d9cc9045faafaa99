#pragma once
// Starts the built game as a child process in a sandbox of its own: its own data home and
// runtime folder, so tests never touch the user's files or each other's instance locks.

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
// Width and height from a PNG header, {0, 0} when it is not a PNG.
std::pair<int, int> PngSize(const std::filesystem::path& path);
