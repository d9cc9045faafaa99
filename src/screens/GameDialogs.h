#pragma once
// The game's dialogs, all in one look: the box pictures "dialog", "help" and "players", the
// medium font with a soft shadow, the buttons in a row. The message, question and web dialogs
// come started; the name dialog is started by whoever shows it.

#include <memory>
#include <string>

#include "host/THost.h"
#include "presentation/TDialogOK.h"
#include "presentation/TDialogTextInput.h"
#include "presentation/TDialogYesNo.h"
#include "presentation/TPlayerManager.h"

class TMenu;
class TResources;
class TSaveData;

// Each dialog writes in the shared fonts of `resources`, which must outlive it; the host's
// timer starts afresh once it is built, so the time spent building it is not caught up.

// A message in red with "OK".
[[nodiscard]] std::unique_ptr<TDialogOK> CreateMessageDialog(const THost& host,
                                                             const TResources& resources,
                                                             const std::string& text);
// A question with "Yes" and "Cancel".
[[nodiscard]] std::unique_ptr<TDialogYesNo> CreateQuestionDialog(const THost& host,
                                                                 const TResources& resources,
                                                                 const std::string& text);
// "Please enter your name": at most 12 characters that make a safe file name, blanks at the
// ends dropped; a name already in use is refused with a message and kept for correction.
[[nodiscard]] std::unique_ptr<TDialogTextInput> CreateNameDialog(const THost& host,
                                                                 const TResources& resources,
                                                                 int withCancel);
// The question before leaving for the maker's web page, on the "help" picture.
[[nodiscard]] std::unique_ptr<TDialogYesNo> CreateWebQuestionDialog(const THost& host,
                                                                    const TResources& resources,
                                                                    const std::string& text);
// "Choose Player", for at most 6 players; the player chosen or made becomes the host's current
// player, with saveData (which must outlive the dialog) as its game data.
[[nodiscard]] std::unique_ptr<TPlayerManager> CreatePlayerManager(const THost& host,
                                                                  const TResources& resources,
                                                                  TSaveData& saveData);

// The name check of the name dialog: -1 with a message when the name cannot be a new player's
// (unsafe as a file name, or a player of that name exists, whatever its letters' case), else 1.
// An empty name passes: the dialog refuses it without a message.
int ProfileNameCheck(const std::string& folder, const std::string& name, std::string& message);

// Adds the screens' "OK" button (Enter presses it), centred at the foot of the screen.
void AddScreenOKButton(TMenu& menu);
