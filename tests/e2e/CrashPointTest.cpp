// The game killed before each of its file-system calls in its data home, one run per call, with
// strace's fault injection. Whatever the moment, every file in the home must be absent, as it
// was before or as the uninterrupted run wrote it (never empty or cut short), and the next start
// must work. Five journeys together write every kind of file the game keeps: a first start, a
// start that repairs the settings and a damaged profile after a crash, a level lost on the
// clock, and Classic games: one played to the full board and entered in the table, one damaged.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "GameProcess.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 120;
// Each call in the forms the C library may use for it.
const char* const kCalls = "write,fsync,rename,renameat,renameat2,unlink,unlinkat,fchmod,sendfile";

using Home = std::map<std::string, std::string>;  // path below the home -> bytes

bool IsLeftover(const std::string& path) {
    static const std::regex pattern(R"(.+\.[0-9]+\.[0-9]+\.tmp)");
    return std::regex_match(fs::path(path).filename().string(), pattern);
}

// The error log holds the date and time of the error and names files by their full paths,
// which no two runs share.
std::string Comparable(const std::string& path, const std::string& bytes) {
    if (fs::path(path).filename() != "ErrorLog.txt") return bytes;
    static const std::regex stamp("(Date|Time): [^\n]*\n");
    static const std::regex sandbox("[^ ']*/home/");
    return std::regex_replace(std::regex_replace(bytes, stamp, ""), sandbox, "HOME/");
}

Home Snapshot(const fs::path& home) {
    Home files;
    if (!fs::exists(home)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(home)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), home).string()] = ReadFile(entry.path());
        }
    }
    return files;
}

void Restore(const Home& files, const fs::path& home) {
    for (const auto& [path, bytes] : files) {
        fs::create_directories((home / path).parent_path());
        std::ofstream(home / path, std::ios::binary) << bytes;
    }
}

// strace -xx writes every byte of a string as \xNN.
std::string Unescape(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            bytes += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

struct Call {
    std::string Name;
    int Index = 0;  // among the main thread's calls of that name, from 1
    std::string Line;
};

// What the uninterrupted run did in the home.
struct Reference {
    std::vector<Call> Calls;
    std::map<std::string, std::set<std::string>> Written;  // file -> every version renamed in
    std::set<std::string> Removed;
    std::set<std::string> OtherThreads;  // calls in the home made off the main thread
};

Reference ReadTrace(const fs::path& traceFile, const fs::path& home) {
    static const std::regex callLine(R"(^(\d+) +([a-z0-9_]+)\((.*)$)");
    static const std::regex fdPath(R"(^\d+<([^>]*)>)");
    static const std::regex quoted(R"re("([^"]*)")re");
    const std::string prefix = home.string() + "/";
    const auto below = [&prefix](const std::string& path) {
        return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : std::string();
    };

    Reference ref;
    std::map<std::string, int> counts;
    std::map<std::string, std::string> temporary;  // path -> bytes written so far
    std::string mainThread;
    std::ifstream in(traceFile);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, callLine)) continue;
        const std::string pid = m[1], name = m[2], args = m[3];
        if (mainThread.empty()) mainThread = pid;
        std::vector<std::string> paths;
        std::smatch fd;
        if (std::regex_search(args, fd, fdPath)) paths.push_back(Unescape(fd[1]));
        std::vector<std::string> strings;
        for (auto it = std::sregex_iterator(args.begin(), args.end(), quoted);
             it != std::sregex_iterator(); ++it) {
            strings.push_back(Unescape((*it)[1]));
        }
        if (name.rfind("rename", 0) == 0 || name.rfind("unlink", 0) == 0) paths = strings;
        const bool inHome = std::any_of(paths.begin(), paths.end(),
                                        [&](const std::string& p) { return !below(p).empty(); });
        if (pid != mainThread) {
            if (inHome) ref.OtherThreads.insert(line);
            continue;
        }
        const int index = ++counts[name];
        if (!inHome) continue;
        ref.Calls.push_back({name, index, line});
        if (name == "write" && !strings.empty()) temporary[paths[0]] += strings[0];
        if (name.rfind("rename", 0) == 0 && paths.size() == 2) {
            ref.Written[below(paths[1])].insert(temporary[paths[0]]);
        }
        if (name.rfind("unlink", 0) == 0) ref.Removed.insert(below(paths[0]));
    }
    return ref;
}

struct Journey {
    std::string Name;
    std::function<void(const fs::path& home)> Prepare;
    std::vector<std::string> Args;
    std::string Script;
};

struct Figures {
    int Points = 0;
    int Failures = 0;
    std::set<std::string> Homes;  // the distinct homes the crashes left
    std::set<std::string> Files;
};

// Every file must be as the uninterrupted run had it at some moment; leftovers of a save cut
// short are allowed, for the next start removes them.
void CheckHome(const Home& before, const Reference& ref, const Home& after, const Call& call,
               Figures& figures) {
    for (const auto& [path, bytes] : after) {
        if (IsLeftover(path)) continue;
        const auto old = before.find(path);
        const auto written = ref.Written.find(path);
        const bool known =
            (old != before.end() && old->second == bytes) ||
            (written != ref.Written.end() &&
             std::any_of(written->second.begin(), written->second.end(),
                         [&](const std::string& version) {
                             return Comparable(path, version) == Comparable(path, bytes);
                         }));
        if (!known) {
            ++figures.Failures;
            ADD_FAILURE() << path << " holds " << bytes.size()
                          << " bytes the uninterrupted run never had, killed before "
                          << Unescape(call.Line);
        }
    }
    for (const auto& [path, bytes] : before) {
        if (!after.count(path) && !ref.Removed.count(path) && !IsLeftover(path)) {
            ++figures.Failures;
            ADD_FAILURE() << path << " vanished, killed before " << Unescape(call.Line);
        }
    }
}

// The next starts after the crashes, two at a time: each ends cleanly and leaves a tidy home.
void CheckNextStarts(const std::vector<Home>& homes, const std::string& name, Figures& figures) {
    for (size_t first = 0; first < homes.size(); first += 2) {
        std::vector<std::unique_ptr<GameProcess>> runs;
        for (size_t k = first; k < std::min(first + 2, homes.size()); ++k) {
            auto next = std::make_unique<GameProcess>(name + "-next-" + std::to_string(k));
            Restore(homes[k], next->Sandbox() / "home");
            const auto quit = next->WriteScript("quit.txt", "5 quit\n");
            next->Start({"--ticks-per-frame", "1", "--script", quit.string()});
            runs.push_back(std::move(next));
        }
        for (auto& next : runs) {
            const int code = next->Wait(kTimeout);
            const Home after = Snapshot(next->Sandbox() / "home");
            std::string problem;
            if (code != 0) problem = " exit code " + std::to_string(code) + ": " + next->Stderr();
            for (const auto& [path, bytes] : after) {
                if (IsLeftover(path)) problem += " leftover " + path;
            }
            const auto ini = after.find("Bexholt/Quillox/quillox.ini");
            if (ini == after.end() ||
                std::count(ini->second.begin(), ini->second.end(), '\n') != 22) {
                problem += " settings file missing or incomplete";
            }
            if (!after.count("Bexholt/Quillox/GoodExit.dat")) problem += " no clean-exit marker";
            if (!problem.empty()) {
                ++figures.Failures;
                ADD_FAILURE() << next->Sandbox() << ":" << problem;
            }
        }
    }
}

// The home's shape for the next start: leftovers count by name only, as it removes them.
std::string HomeKey(const Home& home) {
    std::string key;
    for (const auto& [path, bytes] : home) {
        static const std::regex suffix(R"(\.[0-9]+\.[0-9]+\.tmp$)");
        key += IsLeftover(path) ? std::regex_replace(path, suffix, "") + "\n"
                                : path + "\n" + Comparable(path, bytes) + "\n";
    }
    return key;
}

Home RunJourney(const Journey& journey, Figures& figures) {
    GameProcess ref(journey.Name + "-ref");
    const fs::path home = ref.Sandbox() / "home";
    journey.Prepare(home);
    const Home before = Snapshot(home);
    const fs::path trace = ref.Sandbox() / "trace.txt";
    ref.Launcher = Traced(
        {"-y", "-xx", "-s", "1048576", "-o", trace.string(), "-e", std::string("trace=") + kCalls});
    std::vector<std::string> args = journey.Args;
    args.push_back("--script");
    args.push_back(ref.WriteScript("s.txt", journey.Script).string());
    EXPECT_EQ(ref.Run(args, kTimeout), 0) << ref.Stderr();
    const Home after = Snapshot(home);
    const Reference reference = ReadTrace(trace, home);
    EXPECT_TRUE(reference.OtherThreads.empty()) << *reference.OtherThreads.begin();
    EXPECT_FALSE(reference.Calls.empty()) << journey.Name;

    // Two crashed runs at a time: the machine has two cores.
    std::vector<Home> homes;
    for (size_t first = 0; first < reference.Calls.size(); first += 2) {
        std::vector<std::unique_ptr<GameProcess>> runs;
        for (size_t k = first; k < std::min(first + 2, reference.Calls.size()); ++k) {
            const Call& call = reference.Calls[k];
            auto crash = std::make_unique<GameProcess>(journey.Name + "-" + std::to_string(k));
            Restore(before, crash->Sandbox() / "home");
            crash->Launcher =
                Traced({"-o", "/dev/null", "-e", "trace=" + call.Name, "-e",
                        "inject=" + call.Name + ":signal=KILL:when=" + std::to_string(call.Index)});
            std::vector<std::string> args = journey.Args;
            args.push_back("--script");
            args.push_back(crash->WriteScript("s.txt", journey.Script).string());
            crash->Start(args);
            runs.push_back(std::move(crash));
        }
        for (size_t i = 0; i < runs.size(); ++i) {
            const Call& call = reference.Calls[first + i];
            const int code = runs[i]->Wait(kTimeout);
            ++figures.Points;
            if (code != 128 + 9) {
                ++figures.Failures;
                ADD_FAILURE() << "not killed (" << code << ") before " << Unescape(call.Line);
                continue;
            }
            const Home crashed = Snapshot(runs[i]->Sandbox() / "home");
            CheckHome(before, reference, crashed, call, figures);
            // The next start depends on nothing but the home: each shape is started once.
            if (figures.Homes.insert(HomeKey(crashed)).second) homes.push_back(crashed);
        }
    }
    CheckNextStarts(homes, journey.Name, figures);
    for (const auto& [path, versions] : reference.Written) figures.Files.insert(path);
    return after;
}

TEST(CrashPointTest, AKillBeforeAnyFileCallLeavesEveryFileWholeAndTheNextStartWorks) {
    // A container that forbids tracing leaves nothing to measure; say so rather than fail.
    if (std::system("strace -qq -o /dev/null true >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "strace cannot trace processes here (no ptrace permission?)";
    }
    Figures figures;
    const Home firstStart =
        RunJourney({"crash-first",
                    [](const fs::path&) {},
                    {"--ticks-per-frame", "1", "--seed", "3", "--player", "Ann", "--level", "1"},
                    "5 quit\n"},
                   figures);

    const std::string shared = "Bexholt/Quillox/";
    RunJourney({"crash-repair",
                [&](const fs::path& home) {
                    Home files = firstStart;
                    files.erase(shared + "GoodExit.dat");
                    files[shared + "inichanged.dat"] = "";
                    files[shared + "quillox.ini.4242.0.tmp"] = "FULL SCR";
                    files[shared + "profiles/Ann.dat"] = std::string(443, '\x7F');
                    files[shared + "profiles/Ann.dat.4242.1.tmp"] = "";
                    Restore(files, home);
                },
                {"--ticks-per-frame", "1", "--seed", "3"},
                "5 quit\n"},
               figures);

    // A game in progress at level 2, so that the game over changes the profile.
    RunJourney({"crash-lost",
                [&](const fs::path& home) {
                    Home files = firstStart;
                    files[shared + "profiles/Ann.dat"] = ProfileFile(2, 3, 0, 4000.0);
                    Restore(files, home);
                },
                {"--ticks-per-frame", "1000", "--seed", "4", "--player", "Ann", "--level", "2"},
                "205500 quit\n"},
               figures);

    // A Classic game played to the full board and entered in its table, and a damaged saved
    // game kept aside for a new one.
    RunJourney({"crash-classic",
                [&](const fs::path& home) {
                    Home files = firstStart;
                    files[shared + "profiles/Ann.classic"] =
                        ClassicGameFile(ClassicBoardNearlyFull(), 500);
                    Restore(files, home);
                },
                {"--ticks-per-frame", "1", "--seed", "4", "--player", "Ann", "--classic"},
                "5 click 744 420\n6 click 744 480\n200 key Enter\n210 quit\n"},
               figures);
    RunJourney({"crash-classic-damaged",
                [&](const fs::path& home) {
                    Home files = firstStart;
                    files[shared + "profiles/Ann.classic"] = "quillox classic 1\ngame 0\n";
                    Restore(files, home);
                },
                {"--ticks-per-frame", "1", "--seed", "4", "--player", "Ann", "--classic"},
                "5 quit\n"},
               figures);

    std::string files;
    for (const auto& file : figures.Files) files += " " + file;
    std::cout << "crash points: " << figures.Points
              << ", distinct homes started again: " << figures.Homes.size()
              << ", failures: " << figures.Failures << ", files written:" << files << "\n";
    EXPECT_EQ(figures.Failures, 0);
    for (const char* kind :
         {"quillox.ini", "GoodExit.dat", "inichanged.dat", "zindles.dat", "stats.dat",
          "ErrorLog.txt", "profiles/Ann.dat", "profiles/Ann.dat.damaged", "ClassicScores.dat",
          "profiles/Ann.classic", "profiles/Ann.classic.damaged"}) {
        EXPECT_TRUE(figures.Files.count(shared + kind)) << kind << " is never written";
    }
}

}  // namespace
