#include "GameProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

GameProcess::GameProcess(const std::string& sandboxName)
    : sandbox_(fs::path(QUILLOX_BUILD_DIR) / "e2e-sandbox" / sandboxName) {
    fs::remove_all(sandbox_);
    fs::create_directories(sandbox_ / "home");
    fs::create_directories(sandbox_ / "run");
}

GameProcess::~GameProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

fs::path GameProcess::WriteScript(const std::string& name, const std::string& text) const {
    const fs::path path = sandbox_ / name;
    std::ofstream(path) << text;
    return path;
}

void GameProcess::Start(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {std::string(QUILLOX_BUILD_DIR) + "/quillox", "--headless",
                                     "--data-home", (sandbox_ / "home").string()};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.insert(argv.begin(), Launcher.begin(), Launcher.end());
    const std::string stderrPath = (sandbox_ / "stderr.txt").string();
    const std::string runtime = (sandbox_ / "run").string();
    pid_ = fork();
    if (pid_ == 0) {
        const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) dup2(err, 2);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        // The game speaks English unless a test asks for a language, whatever the machine's.
        for (const char* locale : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(locale);
        std::vector<char*> raw;
        for (auto& arg : argv) raw.push_back(arg.data());
        raw.push_back(nullptr);
        execvp(raw[0], raw.data());
        _exit(127);
    }
}

int GameProcess::Wait(double seconds) {
    if (pid_ <= 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            pid_ = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

void GameProcess::Signal(int signal) const {
    if (pid_ > 0) kill(pid_, signal);
}

std::string GameProcess::Stderr() const {
    return ReadFile(sandbox_ / "stderr.txt");
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::pair<int, int> PngSize(const fs::path& path) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) |
               (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) |
               static_cast<unsigned char>(bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

std::vector<std::string> Traced(std::vector<std::string> options) {
    options.insert(options.begin(), {"env", "ASAN_OPTIONS=detect_leaks=0", "strace", "-f", "-qq"});
    return options;
}

std::string ProfileFile(int level, int locked, int score, double time) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    };
    const std::uint32_t base = 0x5D13A7, step = 0x1F4C62;
    put(static_cast<std::uint32_t>(level) + base);
    put(static_cast<std::uint32_t>(locked) + base + step);
    put(static_cast<std::uint32_t>(score) + base + 2 * step);
    put(3 + base + 3 * step);
    put(base + 4 * step);
    bytes.append(reinterpret_cast<const char*>(&time), sizeof time);
    put(0);
    put(1);
    put(1);
    bytes.append(100 * 4, '\0');
    return bytes + std::string(3, '\0');
}

std::string ClassicGameFile(const std::vector<std::string>& rows, int score) {
    std::string board;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) board += rows[y][x] == '.' ? '0' : rows[y][x];
    }
    return "quillox classic 1\ndaily -\nbest - 0\ngame " + board + " 567 " + std::to_string(score) +
           " 0 12345\n";
}

std::vector<std::string> ClassicBoardNearlyFull() {
    // Flavours by (x + 2y) mod 7: neighbours differ along rows, columns and both diagonals.
    std::vector<std::string> rows;
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 9; ++x) row += static_cast<char>('2' + (x + 2 * y) % 7);
        rows.push_back(row);
    }
    rows[8].replace(7, 2, "..");
    rows[7][8] = '.';
    return rows;
}
