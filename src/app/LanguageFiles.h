#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class Game;
class Translation;

// The translations of the game folder: lang/LL.po, LL a language code ("en", "pt_BR").

// Letters, digits, "_", "-" and "@" only, at most 16: a code never names another folder.
bool isLanguageCode(std::string_view code);
// The codes there are translations for, in the game folder and in a mod, sorted.
std::vector<std::string> availableLanguages();
// The path of a code's file, relative to the game folder.
std::string languageFilePath(std::string_view code);
// Reads lang/CODE.po into translation. Without the file, or with a bad code, gives false and
// an error that lists the languages there are; problems inside the file are in the
// translation's problems().
bool loadLanguage(std::string_view code, Translation& translation, std::string& error);
// The bytes of lang/CODE.po (at most one more than the PO reader takes); false without it.
bool readLanguageFile(std::string_view code, std::string& bytes);

// --lang: sets the game's language, or writes on err why it cannot (false); the problems of
// the file go to err too, with its lines, and their entries stay untranslated.
bool useLanguage(Game& game, const std::string& code, std::ostream& err);
