// The player's language: the game's texts and the toolkit's own (OK, Cancel, Yes, No) in it.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

#include "game/PlayerText.h"

namespace fitzel {

// Shows every text from now on in the language of `locale` (the desktop's: LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) when the game is translated into it, else in English. The game's own
// translations are carried in the program; the toolkit's come from the system's, when installed.
// Called again, the new language replaces the last.
void speakLanguageOf(const QLocale& locale);

// A text marked with FITZEL_TEXT (game/PlayerText.h) in the player's language, as a QString or
// as the UTF-8 the game and its platform pass around.
QString gameText(const char* english);
inline std::string gameString(const char* english) {
    return gameText(english).toStdString();
}

}  // namespace fitzel
