// Resuming a game the journal kept: the duel set up again as it stood after its last answered move.
#pragma once

#include "duel/duel.h"
#include "journal/game_record.h"

namespace duel {

// Sets up `saved` (a game Journal::LastUnfinishedGame gave, so it holds
// together) as the game that runs: both secrets, the mode and the strength,
// both histories, the computer's candidate list rebuilt from its answered
// guesses, and the game clock going on from the seconds of the last move.
// Then the side to move has the turn: the user (alone, when the computer had
// found the number), or the computer with a guess drawn anew from its
// candidates, answered at once by the scorer when the number was typed.
// Reports nothing to the listener: the game's start is in the journal.
// Does nothing while the candidate list is being worked on.
void ResumeGame(Duel& duel, const SavedGame& saved);

}  // namespace duel
