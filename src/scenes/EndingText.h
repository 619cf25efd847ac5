#pragma once

struct SceneGlobals;

// Sets up the screen of a final scene: the message window alone over the map, showing text (the
// catalogue's EndingText or GameOverText, one line a page).
void showClosingText(SceneGlobals& globals, const char* text);
// Shows the next line on the decide button; the last line stays once reached.
void turnClosingText(SceneGlobals& globals);
