#pragma once

struct SceneGlobals;

// The closing texts of the game (Shift-JIS), one line a page.
extern const char* const kEndingText;
extern const char* const kGameOverText;

// Sets up the screen of a final scene: the message window alone over the map, showing text.
void showClosingText(SceneGlobals& globals, const char* text);
// Shows the next line on the decide button; the last line stays once reached.
void turnClosingText(SceneGlobals& globals);
