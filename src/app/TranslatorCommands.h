#pragma once

#include <ostream>
#include <string>

// The translators' commands of the executable, run in the game folder.

// --pot [FILE]: the template of every text of the program and of the data file dataFile, to
// FILE, or to out when fileName is empty. Returns the exit status: 0, or 1 when the data file
// does not load or FILE cannot be written (the reason on err).
int runTemplate(const std::string& dataFile, const std::string& fileName, std::ostream& out,
                std::ostream& err);

// --check --lang LL: reads lang/LL.po against the game's texts (the program's and those of the
// data file) and prints, with the PO file's lines, each malformed entry, each translation wider
// than the window that shows it, each translation whose numbered places differ from the
// original's, each msgid the game no longer has, and how many texts are untranslated. Returns
// 0 when there is nothing to fix (untranslated texts are only counted), 1 otherwise.
int runTranslationCheck(const std::string& dataFile, const std::string& code, std::ostream& out);
