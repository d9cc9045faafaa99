// Any bytes as a saved Classic game: a record is either refused, leaving the one before, or
// read into positions of the game (cells and pieces in range, a history one position per
// move) that save back to the same bytes. The game read goes on: its hint is a legal move and
// every move can be undone back to the start.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "game/TClassicHint.h"
#include "game/TClassicRecord.h"

namespace {

void CheckPosition(const TClassicPosition& p) {
    for (const auto& column : p.Board) {
        for (int cell : column) {
            FUZZ_CHECK(cell == EMPTY ||
                       (cell >= FirstFlavour && cell <= TClassicGame::LastClassicFlavour));
        }
    }
    for (int piece : p.Next3) {
        FUZZ_CHECK(piece >= FirstFlavour && piece <= TClassicGame::LastClassicFlavour);
    }
    FUZZ_CHECK(p.Score >= 0 && p.Moves >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TClassicRecord record;
    record.Game.NewGame(7);
    const std::string before = record.Bytes();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!record.ReadBytes(bytes)) {
        FUZZ_CHECK(record.Bytes() == before);
        return 0;
    }
    CheckPosition(record.Game.Now);
    for (const TClassicPosition& p : record.Game.History) CheckPosition(p);
    FUZZ_CHECK(static_cast<int>(record.Game.History.size()) == record.Game.Now.Moves);
    const std::string saved = record.Bytes();
    TClassicRecord again;
    FUZZ_CHECK(again.ReadBytes(saved));
    FUZZ_CHECK(again.Bytes() == saved);

    TClassicGame& game = record.Game;
    const TClassicHint hint = TClassicHint::Search(game.Now.Board);
    if (hint.Found()) {
        FUZZ_CHECK(game.CanMove(hint.FromX, hint.FromY, hint.ToX, hint.ToY));
        FUZZ_CHECK(game.Move(hint.FromX, hint.FromY, hint.ToX, hint.ToY).Moved);
    } else {
        FUZZ_CHECK(game.Over());
    }
    while (game.CanUndo()) FUZZ_CHECK(game.Undo());
    FUZZ_CHECK(game.Over() || game.Now.Moves == 0);
    return 0;
}
