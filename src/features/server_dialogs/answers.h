// The answer to the current server dialog.
//
// A press of a button, Escape, Enter or the activation of a choice is noted
// at once, with the choice selected at that moment, and carried out by its
// queued event on the next frame, as every widget event is. Only the first
// press on a dialog is noted, and an event carries out only the answer noted
// on the dialog that is current when it runs: a press queued just before a
// new dialog replaced its own, or before the game was left, answers nothing,
// and a second key pressed in the same frame does not answer twice.
#pragma once

#include <cstdint>

namespace server_dialogs {

// Notes the press of the button with that identifier (50000 + its id) on
// the current dialog, unless it already has an answer.
void NoteAnswer(int32_t identifier);

// The buttons' and the list's event handler: for the noted identifier,
// sends request 249 (window id, button id, the noted choice's id or 255)
// and destroys the dialog. Identifiers outside 50000..50299, and presses
// that were not noted on the current dialog, are ignored.
void OnAnswerEvent(int32_t identifier, int32_t value);

}  // namespace server_dialogs
