#pragma once

#include <string>

class Canvas;

// Writes the canvas as an 8-bit RGBA PNG; holes become fully transparent black.
bool writePng(const Canvas& canvas, const std::string& fileName);
