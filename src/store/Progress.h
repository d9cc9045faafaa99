#pragma once
// How a game moves the player's progress between memory, the profile file and the best
// results, in the order the screens run it. None of this draws; the screens call it.
//
// The profile always holds the level being played with the score and total time from the
// moment it was chosen, so leaving in the middle of a level and coming back restarts that
// level as it was when chosen; the unlocked levels survive a game over and a finished game.

class TPlayer;
class TProfile;
class TSaveBest;

// "Play" on the title screen: a fresh record that resumes where the profile left off.
void ProgressGameStart(TPlayer& player, TProfile* profile);

// A level picked on the level select. Only unlocked levels can be chosen (false otherwise,
// nothing changes). The profile is written; the first choice ever also clears FirstTime.
[[nodiscard]] bool ProgressLevelChosen(TPlayer& player, TProfile* profile, int level);

// The play screen starts the level.
void ProgressLevelStart(TPlayer& player);

// The machine is full: the level's time and score are booked and the best results updated
// and saved.
void ProgressLevelWon(TPlayer& player, int levelScore, TSaveBest& best);

// The board filled up or the clock ran out: the time counts, the level's score is lost.
void ProgressLevelLost(TPlayer& player);

// Sets the table's NewScoreMark and NewTimeMark and the level's records when the won level beat
// them (a tie keeps the holder; a stored time of 0 means none), then saves the table.
void UpdateBestResults(const TPlayer& player, int levelScore, TSaveBest& best);

// The level-complete screen starts: the next level is unlocked and stored. Returns true when
// that was the last level: the game is finished and the profile starts again at level 1.
[[nodiscard]] bool ProgressLevelComplete(TPlayer& player, TProfile* profile);

// The game-over screen starts. The record keeps its score and total time for the totals and
// the high-score entry.
void ProgressGameOver(TPlayer& player, TProfile* profile);

// The tutorial's last step: level 1 is a normal level from now on, and the profile says so at
// once, so that leaving the level later cannot bring the tutorial back.
void ProgressTutorialEnded(TPlayer& player, TProfile* profile);

// "saveandexit" in the in-game menu: the profile is saved as it stands.
void ProgressSaveAndExit(TProfile* profile);
