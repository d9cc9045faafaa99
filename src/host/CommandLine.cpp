#include "host/CommandLine.h"

#include <charconv>

#include "store/ProfileNames.h"
#include "system/StringHelpers.h"

namespace {

bool ParseInt(const std::string& text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

// The player's name as `--player` gives it, blanks at either end dropped; false with a message
// when it cannot be a profile's name.
bool PlayerName(const std::string& given, std::string& name, std::string& error) {
    name = TrimmedName(given);
    if (IsSafeProfileName(name)) return true;
    // Appended piece by piece: a short literal put into a string trips GCC 12's -Wrestrict at -O2.
    error.assign(1, '\'');
    error += PrintableText(given);
    error += "' cannot be a player's name: use 1 to ";
    error += std::to_string(MaxProfileNameLength);
    error +=
        " letters, digits or blanks, without / \\ : * ? \" < > | and not "
        "starting with a dot";
    return false;
}

bool KnownDialog(const std::string& dialog, std::string& error) {
    if (dialog == "message" || dialog == "question" || dialog == "name" || dialog == "players" ||
        dialog == "web") {
        return true;
    }
    error = "option --dialog needs message, question, name, players or web, not '" + dialog + "'";
    return false;
}

// A calendar date written YYYY-MM-DD (the daily board's seed is made from this text).
bool KnownDate(const std::string& date, std::string& error) {
    long long year = 0, month = 0, day = 0;
    const bool shaped = date.size() == 10 && date[4] == '-' && date[7] == '-' &&
                        ParseInt(date.substr(0, 4), 1, 9999, year) &&
                        ParseInt(date.substr(5, 2), 1, 12, month) &&
                        ParseInt(date.substr(8, 2), 1, 31, day);
    if (shaped) {
        constexpr int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        if (day <= days[month - 1] && (month != 2 || day <= 28 || leap)) return true;
    }
    error = "option --date needs a date written YYYY-MM-DD, not '" + PrintableText(date) + "'";
    return false;
}

// "WxH", each from 320 to 8192 (a window the canvas still reads in and no texture too large).
bool WindowSize(const std::string& text, int& width, int& height, std::string& error) {
    const size_t x = text.find('x');
    long long w = 0, h = 0;
    if (x == std::string::npos || !ParseInt(text.substr(0, x), 320, 8192, w) ||
        !ParseInt(text.substr(x + 1), 240, 8192, h)) {
        error = "option --window needs a size WxH from 320x240 to 8192x8192, not '" +
                PrintableText(text) + "'";
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine line;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto number = [&](long long low, long long high, long long& out) {
            std::string text;
            if (!value(text)) return false;
            if (!ParseInt(text, low, high, out)) {
                error = "option " + arg + " needs a whole number from " + std::to_string(low) +
                        " to " + std::to_string(high) + ", not '" + text + "'";
                return false;
            }
            return true;
        };
        long long n = 0;
        if (arg == "--data-dir") {
            if (!value(line.DataDir)) return std::nullopt;
        } else if (arg == "--data-home") {
            if (!value(line.DataHome)) return std::nullopt;
        } else if (arg == "--windowed") {
            line.FullScreen = 0;
        } else if (arg == "--fullscreen") {
            line.FullScreen = 1;
        } else if (arg == "--window") {
            std::string size;
            if (!value(size) || !WindowSize(size, line.WindowWidth, line.WindowHeight, error))
                return std::nullopt;
        } else if (arg == "--headless") {
            line.Headless = true;
        } else if (arg == "--seed") {
            if (!number(0, 4294967295LL, n)) return std::nullopt;
            line.Seed = static_cast<unsigned>(n);
        } else if (arg == "--ticks-per-frame") {
            if (!number(1, 1000, n)) return std::nullopt;
            line.TicksPerFrame = static_cast<int>(n);
        } else if (arg == "--script") {
            if (!value(line.ScriptFile)) return std::nullopt;
        } else if (arg == "--level") {
            if (!number(1, 15, n)) return std::nullopt;
            line.Level = static_cast<int>(n);
        } else if (arg == "--classic") {
            line.Classic = true;
        } else if (arg == "--daily") {
            line.Classic = true;
            line.Daily = true;
        } else if (arg == "--date") {
            if (!value(line.Date) || !KnownDate(line.Date, error)) return std::nullopt;
        } else if (arg == "--fill") {
            if (!number(0, 147, n)) return std::nullopt;
            line.Fill = static_cast<int>(n);
        } else if (arg == "--player") {
            std::string name;
            if (!value(name) || !PlayerName(name, line.Player, error)) return std::nullopt;
        } else if (arg == "--dialog") {
            if (!value(line.Dialog) || !KnownDialog(line.Dialog, error)) return std::nullopt;
        } else if (arg == "--screen") {
            if (!value(line.Screen)) return std::nullopt;
        } else if (arg == "--lang") {
            if (!value(line.Language)) return std::nullopt;
        } else if (arg == "--report-startup") {
            line.ReportStartup = true;
        } else if (arg == "--help" || arg == "-h") {
            line.ShowHelp = true;
        } else if (arg == "--version") {
            line.ShowVersion = true;
        } else {
            error = "unknown option '" + arg + "' (try --help)";
            return std::nullopt;
        }
    }
    return line;
}

std::string VersionText() {
    return "Quillox 1.3\n";
}

std::string CommandLineHelp() {
    return "Usage: quillox [options]\n"
           "\n"
           "  --data-dir DIR         folder that holds Data/ (default: beside the program)\n"
           "  --data-home DIR        folder used in place of ~/.local/share for settings,\n"
           "                         profiles, scores and screenshots\n"
           "  --windowed             play in a window this time (nothing is saved)\n"
           "  --fullscreen           play full screen this time (nothing is saved)\n"
           "  --window WxH           open the window at W by H (headless: draw frames of that\n"
           "                         size); from 1200x900 up it is drawn at twice the detail\n"
           "  --headless             no window and no sound, frames not paced (for scripts)\n"
           "  --seed N               seed the random numbers with N\n"
           "  --ticks-per-frame N    run N logic steps per frame whatever the clock says\n"
           "  --script FILE          play timed input from FILE, one 'TICK ACTION ARGS' a line:\n"
           "                         move X Y | click X Y [BUTTON] | down X Y [BUTTON] |\n"
           "                         up X Y [BUTTON] | key NAME | keydown NAME | keyup NAME |\n"
           "                         text STRING | screenshot FILE | state FILE | quit\n"
           "  --level N              start straight on the play screen at level N (1-15)\n"
           "  --classic              start straight on the Classic game (the saved one\n"
           "                         continues)\n"
           "  --daily                start straight on the Classic game's board of the day\n"
           "  --date YYYY-MM-DD      the day the daily board is made for (default: today)\n"
           "  --fill N               every level starts with N of the machine's 147 pixels\n"
           "                         on their way in (testing and tools)\n"
           "  --player NAME          play as NAME (the profile is made when it is new)\n"
           "  --dialog NAME          open a dialog over the title screen: message, question,\n"
           "                         name (the new-player prompt), players (choose player)\n"
           "                         or web\n"
           "  --screen NAME          start on the named screen without waiting for the click\n"
           "                         that ends loading (the names a state dump gives as the\n"
           "                         screen's name: title, game, ...)\n"
           "  --lang CODE            play in the language CODE this time (de, fr, pt_BR, ...;\n"
           "                         en for English); nothing is saved\n"
           "  --report-startup       print the system clock in milliseconds when the loading\n"
           "                         screen is first shown and when loading ends\n"
           "  --version              print the version\n"
           "  --help, -h             print this help\n"
           "\n"
           "Keys on the board:\n"
           "  arrow keys             move the highlighted cell\n"
           "  Space or Enter         pick up the piece there, or send the picked-up piece\n"
           "                         there; with a power token armed, use it there\n"
           "  1, 2, 3                arm the vortex, palette or bomb token\n"
           "  Escape                 open or close the in-game menu\n"
           "  U, H                   on the Classic board: undo a move, show a hint\n"
           "Keys in menus and dialogs:\n"
           "  arrow keys, Tab        move the highlight (Shift+Tab goes back)\n"
           "  Enter                  press the highlighted button\n"
           "  Escape                 go back or cancel\n"
           "Keys on the level select:\n"
           "  arrow keys             highlight an open level (Tab walks the buttons)\n"
           "  Space or Enter         start the highlighted level, or the highest open one\n"
           "Keys on the instructions:\n"
           "  arrow keys             turn the page (Tab reaches the back button)\n"
           "Keys on the options:\n"
           "  Up, Down, Tab          move the highlight over the sliders and the buttons\n"
           "  Left, Right            move the highlighted slider\n"
           "Anywhere: Alt+Enter switches full screen and window, P pauses. The pointer hides\n"
           "while the keyboard is used and comes back when the mouse moves.\n"
           "A pad plays as those keys: D-pad or left stick the arrows, A Enter, B Escape, X, Y\n"
           "and the shoulders 1, 2, 3 (Classic: X and left shoulder undo, Y and right hint),\n"
           "Back Tab, Start the in-game menu (elsewhere, pause).\n"
           "The name prompt then offers a letter picker.\n"
           "\n"
           "Files:\n"
           "  Data/ beside the program, else ../share/quillox/Data/ from it: the game's\n"
           "      pictures, sounds, music, fonts and texts\n"
           "  $XDG_DATA_HOME/Bexholt/Quillox/ (by default ~/.local/share/Bexholt/Quillox/,\n"
           "      or DIR/Bexholt/Quillox/ with --data-home DIR): the settings (quillox.ini),\n"
           "      crash markers (GoodExit.dat, inichanged.dat), high scores (zindles.dat),\n"
           "      best results per level (stats.dat), the Classic table (ClassicScores.dat),\n"
           "      profiles (profiles/NAME.dat), Classic games (profiles/NAME.classic), the\n"
           "      last error (ErrorLog.txt) and screenshots\n";
}
