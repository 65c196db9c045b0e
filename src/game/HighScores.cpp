// The five-place high-score table: reading it, storing it, and entering a game's final score.
#include <string>

#include "game/DataFiles.h"
#include "game/HighScoreFile.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

// Five lines of a five-digit score and a name; the longest name the name box takes is far
// below this.
constexpr std::size_t kHighScoreFileLimit = 1 << 20;

const std::string kNamePrompt = "Please enter your name.     ";
const std::string kNameTitle = "Fitzel! - Player Name.";
const std::string kHighScoreText = "You got the high score!     ";
const std::string kHighScoreTitle = "Fitzel! - High Score!";
const std::string kSaveFailedTitle = "Fitzel! - Scores Not Saved!";

}  // namespace

void modGeneral::LoadHighScores() {
    const FileRead file = platform_.readFile(dataPath(kHighScoreFile), kHighScoreFileLimit);
    // A missing file is a table nobody has entered yet. One that is there but cannot be read
    // reads as that too, but is remembered, so that saving never writes over it.
    highScoreReadFault_ = file.status == FileRead::Status::Failed
                              ? (file.fault.empty() ? "The file cannot be read." : file.fault)
                              : "";
    decodeHighScoreFile(file.bytes, intHighScore, strHighName);
}

void modGeneral::SaveHighScores() {
    std::string fault = highScoreReadFault_;
    if (fault.empty()) {
        fault = platform_.replaceFile(dataPath(kHighScoreFile),
                                      encodeHighScoreFile(intHighScore, strHighName));
    }
    if (!fault.empty()) {
        platform_.messageBox("The high scores could not be saved in " + dataPath(kHighScoreFile) +
                                 ": " + fault + "     ",
                             kSaveFailedTitle, BoxIcon::Information, BoxButtons::Ok);
    }
}

void modGeneral::CheckHighScore(std::int16_t score) {
    LoadHighScores();
    // An equal score ranks below the one already there.
    int place = 0;
    for (int k = 1; k <= kHighScorePlaces && place == 0; ++k) {
        if (intHighScore[k] < score) {
            place = k;
        }
    }
    if (place == 0) {
        return;
    }
    strPlayerName = platform_.inputBox(kNamePrompt, kNameTitle, strPlayerName);
    for (int k = kHighScorePlaces; k > place; --k) {
        intHighScore[k] = intHighScore[k - 1];
        strHighName[k] = strHighName[k - 1];
    }
    intHighScore[place] = score;
    strHighName[place] = strPlayerName;
    if (place == 1) {
        platform_.messageBox(kHighScoreText, kHighScoreTitle, BoxIcon::Information, BoxButtons::Ok);
    }
    SaveHighScores();
    platform_.showScoresWindow();
}

void modGeneral::OpenWebPage(const std::string& operation, const std::string& file,
                             const std::string& /*parameters*/, const std::string& /*directory*/,
                             std::int32_t /*showCommand*/) {
    if (operation == "open") {
        platform_.openDocument(file);
    }
}

}  // namespace fitzel
