#pragma once
// What a player keeps of Classic: the game in progress with its whole undo history, and the
// best score of the last daily board played. Kept as text, one line a field:
//
//   quillox classic 1
//   daily DATE | daily -          the daily board's date, "-" for a game of chance
//   best DATE SCORE | best - 0    the best daily score and its day
//   game POSITION                 the position now
//   undo POSITION                 one line per move made, oldest first
//
// A POSITION is the board as 81 digits (column by column, 0 empty, 2 to 8 a flavour), the
// next three as three digits, the score, the moves made and the random stream's state.

#include <string>
#include <string_view>

#include "game/TClassicGame.h"

class TClassicRecord {
public:
    TClassicGame Game;
    std::string BestDate;
    int BestScore = 0;

    // A finished daily game's score, kept when it beats the day's best.
    void DailyFinished();

    [[nodiscard]] std::string Bytes() const;
    // False, leaving the record as it was, when the bytes are not a record this game wrote:
    // any unknown line, a cell or piece out of range, an empty board, or a history that does not
    // add up.
    [[nodiscard]] bool ReadBytes(std::string_view bytes);
};
