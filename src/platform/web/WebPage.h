#pragma once

#include <cstdint>
#include <string>

// What the program tells its page (index.html), which shows it: texts are UTF-8. Every call
// goes to a function of the page's own script; a page without one ignores it.
namespace WebPage {

// The report of a data file or font that cannot be used: shown instead of the game.
void showReport(const std::string& caption, const std::string& text);
// The data file's report (UTF-8) and the line it names (0: none), for the page's editor to
// mark. playing: a reload failed and the game plays on with the data it had; else the report
// stands in place of the game.
void showDataError(const std::string& text, int line, bool playing);
// The About box over the picture; the page calls velkaros_dialog_closed when it is closed.
void showAbout(const std::string& caption, const std::string& text);
// The game has ended (終了, or a replay's recording finished): the page says so.
void showEnded(const std::string& message);
// Puts rows first to end - 1 of a picture of RGBA bytes (width x height, rows top-down) on the
// canvas.
void drawPicture(const std::uint8_t* rgba, int width, int height, int first, int end);
// A frame's picture is on the canvas; frame counts from 1.
void frameShown(int frame);
// Milliseconds of the browser's high-resolution clock, for the frame schedule.
double now();

}  // namespace WebPage
