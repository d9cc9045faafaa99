#pragma once
// Boards for tests, drawn as nine rows of nine characters, top row first:
// '.' empty, '#' blackjack, '2'..'9' flavours, 'T' flavour 10, 'R' rainbow, '*' reserved.

#include <string>
#include <vector>

#include "game/TBoardState.h"

// Sets the board from the picture and counts its pieces into PiecesOnBoard.
void SetBoard(TBoardState& state, const std::vector<std::string>& rows);
std::vector<std::string> BoardRows(const TBoardState& state);
