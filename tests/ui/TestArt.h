#pragma once

// Writes the pictures the windows load (the fourteen window images and the four track
// pictures) as small PNG files under image/ in the working directory. They are made up here
// for the tests and are not the game's own art. False when a file cannot be written.
bool writeTestArt();
