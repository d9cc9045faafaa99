#pragma once
// The name entry of the closing screens: when the game's score earns a row in the high-score
// table the player types a name (the profile's name to start with) and OK or Enter adds it.

#include <memory>

#include "presentation/TLetterPicker.h"
#include "presentation/TTextInput.h"

class THighScoreList;
class TMenu;
class TResources;

class THighScoreEntry {
public:
    // Draws in the large font of `resources`, which must outlive the entry.
    explicit THighScoreEntry(const TResources& resources) : Resources(resources) {}

    TTextInput InputName;
    // Shown while the player uses a pad; it starts on OK, the name being typed already.
    TLetterPicker Picker;
    // 1 when the score earns a row.
    int HighScore = 0;
    // The owning screen's menu, drawn with the entry.
    std::shared_ptr<TMenu> Menu;
    int TopY = 330;

    // An entry for a game that ended with `score` at `level`; when the score earns a row of
    // `table` (none: no table) the name field takes the keys at once, names of up to maxLength
    // characters, with `name` typed already, and the menu's OK button leaves Space to the name.
    static std::unique_ptr<THighScoreEntry> Create(std::shared_ptr<TMenu> menu,
                                                   const TResources& resources,
                                                   THighScoreList* table, const std::string& name,
                                                   int score, int level, int maxLength);
    // Whether `score` earns a row of `table`: any score above 0 while the table has room,
    // else one at least as high as the lowest row.
    [[nodiscard]] static bool Qualifies(const THighScoreList& table, int score);

    // 1 on the step the name was confirmed from the field itself (and added).
    int Manage();
    void Finish();
    // Adds the name once, however often the screen asks.
    void FinishAndAdd();
    void AddToHighScores();
    void Draw() const;
    [[nodiscard]] int Active() const { return InputName.Active; }
    [[nodiscard]] bool PickerShown() const;
    // Where the prompt starts: higher while the picker needs the room below.
    [[nodiscard]] int Top() const;

private:
    const TResources& Resources;
    THighScoreList* Table = nullptr;
    int Score = 0;
    int Level = 0;
    bool Added = false;
};
