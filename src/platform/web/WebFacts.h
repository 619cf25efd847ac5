#pragma once

#include <string>

class DataManager;

// What the page's workbench panel lists, as JSON (texts UTF-8): the battle grounds and heroes
// of the loaded data (empty without one) for the battle test's pickers, and the pictures the
// game reads, by game path, for the picture list.
//   {"grounds":["..."],"heroes":["..."],"pictures":["image/..."]}
namespace WebFacts {

std::string describe(DataManager* data);

}  // namespace WebFacts
