#include "game/TClassicRecord.h"

#include <charconv>
#include <sstream>
#include <vector>

namespace {

constexpr std::string_view Header = "quillox classic 1";

bool ValidPiece(int value) {
    return value >= FirstFlavour && value <= TClassicGame::LastClassicFlavour;
}

std::string PositionText(const TClassicPosition& p) {
    std::string text;
    for (const auto& column : p.Board) {
        for (int cell : column) text += static_cast<char>('0' + cell);
    }
    text += ' ';
    for (int piece : p.Next3) text += static_cast<char>('0' + piece);
    text += ' ' + std::to_string(p.Score) + ' ' + std::to_string(p.Moves) + ' ' +
            std::to_string(p.Random);
    return text;
}

template <typename T>
bool Number(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool ReadPosition(std::istringstream& in, TClassicPosition& p) {
    std::string board, next, score, moves, random, extra;
    if (!(in >> board >> next >> score >> moves >> random) || (in >> extra)) return false;
    if (board.size() != BoardSize * BoardSize || next.size() != 3) return false;
    for (int i = 0; i < BoardSize * BoardSize; ++i) {
        const int cell = board[i] - '0';
        if (cell != EMPTY && !ValidPiece(cell)) return false;
        p.Board[i / BoardSize][i % BoardSize] = cell;
    }
    for (int i = 0; i < 3; ++i) {
        p.Next3[i] = next[i] - '0';
        if (!ValidPiece(p.Next3[i])) return false;
    }
    return Number(score, p.Score) && p.Score >= 0 && Number(moves, p.Moves) && p.Moves >= 0 &&
           Number(random, p.Random);
}

int Pieces(const TClassicPosition& p) {
    int n = 0;
    for (const auto& column : p.Board) {
        for (int cell : column) n += cell != EMPTY ? 1 : 0;
    }
    return n;
}

bool ValidDate(const std::string& date) {
    return date.size() == 10 && date[4] == '-' && date[7] == '-';
}

}  // namespace

void TClassicRecord::DailyFinished() {
    const TClassicGame& game = Game;
    if (game.Daily.empty() || !game.Over()) return;
    if (BestDate != game.Daily || game.Now.Score > BestScore) {
        BestDate = game.Daily;
        BestScore = game.Now.Score;
    }
}

std::string TClassicRecord::Bytes() const {
    std::string text(Header);
    text += "\ndaily " + (Game.Daily.empty() ? std::string("-") : Game.Daily) + "\n";
    text += "best " + (BestDate.empty() ? std::string("-") : BestDate) + ' ' +
            std::to_string(BestScore) + "\n";
    text += "game " + PositionText(Game.Now) + "\n";
    for (const TClassicPosition& p : Game.History) text += "undo " + PositionText(p) + "\n";
    return text;
}

bool TClassicRecord::ReadBytes(std::string_view bytes) {
    std::istringstream lines{std::string(bytes)};
    std::string line;
    if (!std::getline(lines, line) || line != Header) return false;
    TClassicRecord read;
    bool haveGame = false, haveDaily = false, haveBest = false;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string key;
        in >> key;
        if (key == "daily" && !haveDaily) {
            std::string date, extra;
            if (!(in >> date) || (in >> extra) || (date != "-" && !ValidDate(date))) return false;
            read.Game.Daily = date == "-" ? "" : date;
            haveDaily = true;
        } else if (key == "best" && !haveBest) {
            std::string date, score, extra;
            if (!(in >> date >> score) || (in >> extra)) return false;
            if ((date != "-" && !ValidDate(date)) || !Number(score, read.BestScore)) return false;
            read.BestDate = date == "-" ? "" : date;
            haveBest = read.BestScore >= 0;
            if (!haveBest) return false;
        } else if (key == "game" && !haveGame) {
            if (!ReadPosition(in, read.Game.Now)) return false;
            haveGame = true;
        } else if (key == "undo" && haveGame) {
            TClassicPosition p;
            if (!ReadPosition(in, p)) return false;
            read.Game.History.push_back(p);
        } else {
            return false;
        }
    }
    if (!haveGame || !haveDaily || !haveBest) return false;
    // Each move adds one position to the history and one to the count of moves, and was made
    // from a board with a piece to move and a cell to move it to. No board is ever empty: one
    // emptied by lines is dealt to at once.
    const auto& history = read.Game.History;
    if (static_cast<int>(history.size()) != read.Game.Now.Moves) return false;
    if (Pieces(read.Game.Now) == 0) return false;
    for (size_t i = 0; i < history.size(); ++i) {
        const int pieces = Pieces(history[i]);
        if (history[i].Moves != static_cast<int>(i) || pieces == 0 ||
            pieces == BoardSize * BoardSize) {
            return false;
        }
    }
    *this = read;
    return true;
}
