#pragma once
// The game's command line.

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    std::string DataDir;   // folder that holds Data/; empty: beside the executable
    std::string DataHome;  // stands for the all-users application-data folder
    int FullScreen = -1;   // -1 as the settings say, 0 windowed, 1 full screen (this run only)
    bool Headless = false;
    int WindowWidth = 0;  // --window WxH: the window's size (0: the canvas's, 800x600)
    int WindowHeight = 0;
    std::optional<unsigned> Seed;
    int TicksPerFrame = 0;  // 0: real time
    std::string ScriptFile;
    int Level = 0;         // 1..15: start straight on the play screen
    bool Classic = false;  // start straight on the Classic game
    bool Daily = false;    // ... on the day's board (implies Classic)
    std::string Date;      // YYYY-MM-DD: the daily board's date instead of the local one
    int Fill = 0;  // machine pixels every level starts with on their way in (testing and tools)
    std::string Player;          // trimmed; refused unless it is a safe profile name
    std::string Dialog;          // a dialog to open over the title screen (testing and tools)
    std::string Screen;          // a screen to start on after loading (testing and tools)
    std::string Language;        // a language code for this run; empty: as chosen or the system's
    bool ReportStartup = false;  // print when loading shows and ends (start-up measurements)
    bool ShowHelp = false;
    bool ShowVersion = false;
};

// Parses argv; on a bad option returns nothing and sets `error`.
[[nodiscard]] std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                                          std::string& error);
std::string CommandLineHelp();
std::string VersionText();
