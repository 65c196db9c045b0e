// Everything the game asks of the outside world: the screen, timers, boxes, files and entropy.
//
// The game module sees nothing else. The program implements this with Qt on the main window;
// the tests implement it with a fake that keeps a virtual clock and scripted answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace fitzel {

// The ten timers of the main window. The clearing timers are numbered like the slots they paint.
enum class TimerId {
    TimeLeft = 0,
    Clear1,
    Clear2,
    Clear3,
    Clear4,
    Clear5,
    Clear6,
    Clear7,
    Clear8,
    Clear9
};
inline constexpr int kTimerCount = 10;

// Clearing timer k, for k = 1 to 9.
constexpr TimerId clearTimer(int k) {
    return static_cast<TimerId>(k);
}

enum class Label { TimeRemaining, Score };

// How a board or preview cell looks; the picture file says how it is drawn.
enum class CellLook { Empty, Filled };

enum class BoxIcon { None, Information, Question };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// What an action that may fail gives back: no value when it succeeded, else the fault in words
// the player can read.
using Fault = std::optional<std::string>;

// What a read that may fail gives back: the value and the fault together, never the fault through
// an argument or an exception. The value is left empty when there is a fault.
template <typename T>
struct Read {
    T value{};
    Fault fault;
};

// A whole data file as read.
struct FileBytes {
    bool found = false;      // there is a file by that name
    std::string bytes;       // its bytes, at most the limit asked for
    bool truncated = false;  // it holds more than the limit
};

class Platform {
  public:
    virtual ~Platform() = default;

    // --- Display. Each gives the fault when the picture cannot be shown. ---

    // Strip element k (1 to 35) shows cell `cell` (0 to 2, from the left) of a piece picture,
    // cut into one row of three equal cells.
    virtual Fault showPieceCell(int k, const std::string& picturePath, int cell) = 0;
    // Board cell n (1 to 25) shows the picture of an empty or a filled cell.
    virtual Fault showBoardCell(int n, CellLook look, const std::string& picturePath) = 0;
    // Preview cell n (1 to 9) shows the picture of an empty or a filled cell.
    virtual Fault showPreviewCell(int n, CellLook look, const std::string& picturePath) = 0;
    // A line feed in the text starts a new line.
    virtual void setLabel(Label label, const std::string& text) = 0;

    // --- Timers ---

    // 0 stops the timer. Any other interval (re)starts it: it fires that many milliseconds from
    // now and again at every further interval, until it is set to 0. Timers armed one right
    // after another fire in the order of their due times; equal times fire in arming order.
    virtual void setTimerInterval(TimerId timer, int milliseconds) = 0;
    // Every tick of every timer goes to this handler, one at a time; the game registers it.
    virtual void setTimerHandler(std::function<void(TimerId)> handler) = 0;

    // --- Boxes and windows. Timers keep firing while one is open. ---

    virtual BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                                 BoxButtons buttons) = 0;
    // Returns the text typed (UTF-8), or an empty text when the player cancels.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) = 0;
    // Shows the high-score window modally over the main window; returns once it is closed.
    virtual void showScoresWindow() = 0;

    // --- Files ---

    // The folder that holds the program and its data files, without a trailing separator.
    virtual std::string programFolder() = 0;
    // The player's own folder for the game's files, used when the program's folder takes no new
    // files (an installed copy). It need not exist yet: replaceFile makes it. None when the
    // player has no usable home folder.
    virtual std::optional<std::string> userDataFolder() = 0;
    // Whether a new file can be made in the folder.
    virtual bool canWriteIn(const std::string& folder) = 0;
    // Reads at most maxBytes of a file.
    virtual Read<FileBytes> readFile(const std::string& path, std::size_t maxBytes) = 0;
    // Writes a whole new file beside the old one and puts it in the old one's place in one
    // rename, so that at any moment the path holds either the old or the new file, whole.
    // Makes the folder when it is missing.
    virtual Fault replaceFile(const std::string& path, const std::string& bytes) = 0;

    // Takes the lock file at path, waiting a few seconds for another copy of the game to
    // release it. Two copies of the game that save their scores at the same moment take turns.
    virtual Fault lockFile(const std::string& path) = 0;
    virtual void unlockFile(const std::string& path) = 0;

    // --- Other ---

    // A text the game shows, marked in English with FITZEL_TEXT (game/PlayerText.h), in the
    // player's language; the English itself when the language has no translation of it.
    virtual std::string translated(const char* english) = 0;

    // 64 unpredictable bits, different from run to run: the seed of the run's fresh deal
    // numbers. The deals themselves are the game's (game/Deal.h).
    virtual std::uint64_t entropy() = 0;
    // Hands a document or web address to the desktop's default handler; failures are silent.
    virtual void openDocument(const std::string& address) = 0;
    // Tells the player that a data file is missing or broken, then ends the program.
    // Never returns (the test fake throws).
    [[noreturn]] virtual void fatalError(const std::string& file, const std::string& fault) = 0;
};

}  // namespace fitzel
