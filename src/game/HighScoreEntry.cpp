// Entering a game's final score into the five-place table: where the table lives, reading it,
// asking for the name and storing it.
#include <string>

#include "game/DataFiles.h"
#include "game/HighScoreFile.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

// Five lines of a five-digit score and a name; the longest name the name box takes is far
// below this.
constexpr std::size_t kHighScoreFileLimit = 1 << 20;

constexpr char kNamePrompt[] = FITZEL_TEXT("fitzel", "Please enter your name.     ");
constexpr char kNameTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Player Name.");
constexpr char kHighScoreText[] = FITZEL_TEXT("fitzel", "You got the high score!     ");
constexpr char kHighScoreTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - High Score!");
constexpr char kSaveFailedText[] =
    FITZEL_TEXT("fitzel", "The high scores could not be saved in %1: %2     ");
constexpr char kSaveFailedTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Scores Not Saved!");
constexpr char kNoLongerEntersText[] = FITZEL_TEXT(
    "fitzel",
    "Your score no longer makes the table: another game has stored better scores meanwhile.     ");
constexpr char kNoLongerEntersTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - High Scores.");
constexpr char kNowhereToSave[] =
    FITZEL_TEXT("fitzel",
                "the program's folder takes no new files, and there is no home folder to keep "
                "them in");

}  // namespace

std::string modGeneral::highScorePath() {
    // Beside the program when its folder takes new files (a build, a portable copy); else (an
    // installed copy) in the player's own data folder. With neither, the table shipped beside
    // the program is shown and nothing is stored. Decided once a run: finding out means making
    // a file.
    if (highScorePath_.empty()) {
        const std::string folder = platform_.programFolder();
        std::optional<std::string> own;
        if (!platform_.canWriteIn(folder)) {
            own = platform_.userDataFolder();
            if (!own) {
                highScoreWriteFault_ = say(kNowhereToSave);
            }
        }
        highScorePath_ = pathInFolder(own.value_or(folder), kHighScoreFile);
    }
    return highScorePath_;
}

void modGeneral::LoadHighScores() {
    const std::string path = highScorePath();
    Read<FileBytes> file = platform_.readFile(path, kHighScoreFileLimit);
    const std::string shipped = dataPath(kHighScoreFile);
    if (!file.fault && !file.value.found && path != shipped) {
        // The player's own table starts as the one shipped beside the program, or as an empty
        // one when that cannot be read: the table to be saved is the player's, not the shipped.
        file = platform_.readFile(shipped, kHighScoreFileLimit);
        if (file.fault) {
            file = {};
        }
    }
    // A missing file is a table nobody has entered yet. One that is there but cannot be read
    // reads as that too, but is remembered, so that saving never writes over it.
    highScoreReadFault_ = file.fault;
    decodeHighScoreFile(file.value.bytes, intHighScore, strHighName);
}

Fault modGeneral::saveHighScores() {
    if (highScoreWriteFault_) {
        return highScoreWriteFault_;
    }
    if (highScoreReadFault_) {
        return highScoreReadFault_;
    }
    return platform_.replaceFile(highScorePath(), encodeHighScoreFile(intHighScore, strHighName));
}

int modGeneral::placeFor(std::int16_t score) const {
    // An equal score ranks below the one already there.
    for (int k = 1; k <= kHighScorePlaces; ++k) {
        if (intHighScore[k] < score) {
            return k;
        }
    }
    return 0;
}

void modGeneral::CheckHighScore(std::int16_t score) {
    LoadHighScores();
    if (placeFor(score) == 0) {
        return;
    }
    strPlayerName = platform_.inputBox(say(kNamePrompt), say(kNameTitle), strPlayerName);

    // Another copy of the game may have stored its own entry while the name was typed: the new
    // entry goes into the table as it is on disk now, under a lock.
    const std::string lock = highScorePath() + ".lock";
    Fault fault = highScoreWriteFault_ ? highScoreWriteFault_ : platform_.lockFile(lock);
    int place = 0;
    if (!fault) {
        LoadHighScores();
        place = placeFor(score);
        if (place != 0) {
            for (int k = kHighScorePlaces; k > place; --k) {
                intHighScore[k] = intHighScore[k - 1];
                strHighName[k] = strHighName[k - 1];
            }
            intHighScore[place] = score;
            strHighName[place] = strPlayerName;
            fault = saveHighScores();
        }
        platform_.unlockFile(lock);
    }
    if (!fault && place == 0) {
        platform_.messageBox(say(kNoLongerEntersText), say(kNoLongerEntersTitle),
                             BoxIcon::Information, BoxButtons::Ok);
    }
    // The congratulation is for a score that was stored.
    if (!fault && place == 1) {
        platform_.messageBox(say(kHighScoreText), say(kHighScoreTitle), BoxIcon::Information,
                             BoxButtons::Ok);
    }
    if (fault) {
        platform_.messageBox(filled(say(kSaveFailedText), {highScorePath(), *fault}),
                             say(kSaveFailedTitle), BoxIcon::Information, BoxButtons::Ok);
    }
    platform_.showScoresWindow();
}

}  // namespace fitzel
