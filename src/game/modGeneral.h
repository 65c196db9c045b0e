// The game: its state and every rule of play, from dealing pieces to the high-score table.
//
// One object holds one run of the program. The windows call its procedures and forward the
// events they own (board clicks, the Skip button, the ten timers); it reaches the screen, the
// timers, the boxes and the files only through the Platform it was given.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/Deal.h"
#include "game/PlayerText.h"
#include "game/Tables.h"
#include "platform/Platform.h"

namespace fitzel {

inline constexpr int kPieceCount = 35;
inline constexpr int kBoardCells = 25;
inline constexpr int kPreviewCells = 9;
inline constexpr int kHighScorePlaces = 5;

// A piece picture holds three cells side by side.
enum PieceCell { kWaiting = 0, kDealt = 1, kCurrent = 2 };

// The board cells a piece covers, numbered 1 to 25; element 0 is unused.
using Footprint = std::array<bool, kBoardCells + 1>;

// How a board cell would take part in a placement at a given cell.
enum class CellFit { None, Covers, Clashes, Refused };

// What a click on a board cell would do with the current piece.
struct PlacementView {
    bool fits = false;
    // The cells the piece would cover: all Covers when it fits; when it does not, Clashes on a
    // filled cell and Refused on the others that lie on the board.
    std::array<CellFit, kBoardCells + 1> cells{};
};

// The placement rules, shared by the click and by anything that shows a placement beforehand.
// Whether position j (1 to 9) of a pattern is a square of the piece: an exact "1", or "1" or
// "2" at the key square (position 5).
bool squareCovers(const std::string& pattern, int j);
// Whether no cell of the piece falls off the board or wraps into the next row.
bool edgesHold(const std::string& pattern, int cell);
// The cells the piece covers on the board with its key square on `cell`.
Footprint footprintOf(const std::string& pattern, int cell);
// Whether a covered cell is filled, or the piece covers nothing at all.
bool overlaps(const Footprint& footprint, const std::array<bool, kBoardCells + 1>& grid);
bool overlaps(BoardMask footprint, BoardMask board);
// The cells of a board or footprint as one value.
BoardMask maskOf(const std::array<bool, kBoardCells + 1>& cells);

// The block rule, shared by the game's search after a placement and by the par of a deal: the
// block a search scores is the first complete candidate in the table's order, or none.
const Candidate* firstCompleteBlock(BoardMask board);

// The rules of a play that the game, the par, the simulated player and the tests all call, so
// that none of them can drift from the others.

// The score after points are added: never below 0, nor beyond what a score holds.
inline std::int16_t scoreAfter(int score, int points) {
    return static_cast<std::int16_t>(std::clamp(score + points, 0, int{INT16_MAX}));
}

// How a piece is passed over: skipped, or left until its ten seconds run out.
enum class Pass { Skip, TimeOut };
// What passing a piece over costs while `piecesLeft` pieces are still to deal after it: 7
// points, except that the last piece's time running out ends the game for nothing.
inline std::int16_t passCost(Pass how, int piecesLeft) {
    constexpr std::int16_t kPenalty = -7;
    return how == Pass::TimeOut && piecesLeft == 0 ? 0 : kPenalty;
}

// Whether a block that a search scores is cleared on screen, with its further search at the end
// of the clearing: only while a piece is left to deal, else the game is about to end.
inline bool clearingShown(int piecesLeft) {
    return piecesLeft > 0;
}
// Whether the end of a clearing searches the board again, `searches` searches after a placement.
inline bool searchesAgain(int searches) {
    return searches < kMaxChecksPerPlacement;
}
// How many times the board is searched after a placement made while `piecesLeft` pieces are still
// to deal, when every search finds a block: once at once, then once at the end of each clearing
// shown, by the two rules above. The next piece is dealt while the first clearing runs.
inline int searchesAfterPlacement(int piecesLeft) {
    int searches = 1;
    int left = piecesLeft;
    while (clearingShown(left) && searchesAgain(searches)) {
        ++searches;
        left = piecesLeft - 1;
    }
    return searches;
}

// A placement played out, the board left still until it has ended: the piece goes in, then each
// search scores and empties the first complete block, until a search finds none or the searches
// that the game allows at this point of the deal have been made.
struct PlayedOut {
    int points = 0;
    BoardMask board = 0;
};
PlayedOut playOut(BoardMask board, BoardMask footprint, int piecesLeft);

// What the game tells anyone listening about the course of a game: a game has started; it is
// ending (its last piece is gone, its boxes about to open); its boxes and the table window have
// closed.
enum class GameEvent { Started, Ending, Ended };

// The game's state, read by anyone through modGeneral::state() and changed only by the game's own
// procedures. Arrays are numbered from 1 like the cells, pieces and places; 0 is unused.
struct GameState {
    std::int16_t intScore = 0;
    std::int16_t intTimeLeft = 0;
    std::int16_t intPiecesLeft = 0;
    std::int16_t intCurrentPiece = 0;
    bool blnInGame = false;
    std::array<bool, kPieceCount + 1> blnPieceDealt{};
    // The deal of the game started last (0 before the first), and its pieces in the order dealt.
    std::uint64_t dealNumber = 0;
    std::vector<int> dealtPieces;
    // Whether the game's final score is offered to the high-score table: not once the player has
    // been helped, or when the par's play is being watched.
    bool ranked = true;

    std::array<std::string, kPieceCount + 1> strShapes;

    std::array<bool, kBoardCells + 1> blnGrid{};
    std::array<bool, kPreviewCells + 1> blnPreview{};
    Footprint blnFootprint{};
    bool blnOnBoard = false;
    bool blnOverlap = false;

    std::array<std::int16_t, 10> intClearCell{};
    bool blnClearing = false;
    std::int16_t intCheckCount = 0;

    std::array<std::int16_t, kHighScorePlaces + 1> intHighScore{};
    std::array<std::string, kHighScorePlaces + 1> strHighName;
    std::string strPlayerName;

    // The board click that arrived during a clearing, waiting for its end. Only the first one
    // is kept, so a double click never places the next piece, which the player has not seen.
    std::optional<int> heldClick;
};

// A position that a test or a benchmark starts from without playing to it; what is left empty
// stays as it is.
struct TestPosition {
    std::optional<std::vector<int>> filled{};  // the board's filled cells, the others empty
    std::optional<int> currentPiece{};
    std::optional<int> piecesLeft{};
    std::optional<int> score{};
    std::optional<int> checkCount{};  // the searches made since the last placement
};

class modGeneral : private GameState {
  public:
    explicit modGeneral(Platform& platform);

    const GameState& state() const { return *this; }
    // The shape patterns of the pieces dealt so far in this game, in the order dealt.
    std::vector<std::string> dealtPatterns() const;
    // The shape patterns of the current piece and of every piece still to deal, in the order the
    // deal will deal them (the deal's own draws: a test's scripted ones aside); none outside a
    // game.
    std::vector<std::string> patternsToCome() const;
    // The game under way will not offer its score to the high-score table.
    void playUnranked();

    // Tells `listener` of every game's start and end from now on, on the game's own thread, until
    // it is forgotten by the number this returns.
    int listen(std::function<void(GameEvent)> listener);
    void forget(int listener);

    // --- Game flow and the turn timer ---
    // Seeds the run's fresh deal numbers from the platform's entropy, once at start-up.
    void Randomize();
    // Starts a new game with a fresh deal number.
    void NewGame();
    // Starts a new game dealt from the given number: the same number deals the same pieces.
    void newDeal(std::uint64_t number);
    void NextPiece();
    void AddScore(std::int16_t points);
    void ResetLabels();
    void ResetPieceFlags();
    void StartTurnTimer();
    void StopTurnTimer();
    void btnSkip_Click();
    void tmrTimeLeft_Timer();

    // --- The piece catalogue ---
    void LoadShapes();
    void ResetPieceStrip();

    // --- Board and preview ---
    void ClearBoard();
    void ClearPreview();
    void DrawBoard();
    void DrawPreview();

    // --- Placement ---
    void picGrid_Click(int cell);
    void CheckEdges(int cell);
    void CanPlace(int cell);
    // What a click on the cell would do now, by the click's own rules; changes nothing.
    PlacementView placementAt(int cell) const;

    // --- Blocks and their clearing ---
    void CheckBlocks();
    void StartClear4();
    void StartClear6();
    void StartClear9();
    void tmrClear1_Timer();
    void tmrClear2_Timer();
    void tmrClear3_Timer();
    void tmrClear4_Timer();
    void tmrClear5_Timer();
    void tmrClear6_Timer();
    void tmrClear7_Timer();
    void tmrClear8_Timer();
    void tmrClear9_Timer();

    // Routes a tick of any of the ten timers to its handler.
    void onTimer(TimerId timer);

    // --- High scores ---
    void LoadHighScores();
    // Stores the table.
    Fault saveHighScores();
    void CheckHighScore(std::int16_t score);
    // The one place that decides where the table is kept.
    std::string highScorePath();

    // --- About ---
    // Hands a document or web address to the desktop; only the "open" operation is known.
    void OpenWebPage(const std::string& operation, const std::string& file);

    // --- For tests and benchmarks only ---
    // Puts the game in progress at a position without playing to it.
    void setUpForTest(const TestPosition& position);
    // Draws from `scripted` while it gives one, before the deal's own, so that a test deals the
    // pieces it names.
    void scriptDraws(std::function<std::optional<double>()> scripted);

  private:
    void placeAt(int cell);
    void clearTimerFired(int k);
    void startClearing(const std::array<int, 10>& schedule);
    void gameOver();
    void showScore();
    void showTimeLeft(int seconds);
    // A text of the game's own (PlayerText.h), in the player's language.
    std::string say(const char* english) { return platform_.translated(english); }
    void tell(GameEvent event);
    // The next draw of the deal, in [0, 1).
    double draw();
    // The place (1 to 5) a score would take in the table, or 0.
    int placeFor(std::int16_t score) const;
    std::string dataPath(const std::string& fileName);
    void showPieceCell(int k, int cell);
    void showBoardCell(int n, bool filled);
    void showPreviewCell(int n, bool filled);
    // Ends the program, naming the picture, when it could not be shown.
    void mustShow(const std::string& path, const Fault& fault);

    Platform& platform_;
    DealNumbers freshDeals_;
    DealDraws draws_;
    std::function<std::optional<double>()> scriptedDraws_;
    std::map<int, std::function<void(GameEvent)>> listeners_;
    int listenersMade_ = 0;
    // Why the high-score file last read could not be read; a table that could not be read is
    // never written over.
    Fault highScoreReadFault_;
    std::string highScorePath_;  // empty until first asked
    // Why no table can be stored at all this run (no folder takes it), decided with the path.
    Fault highScoreWriteFault_;
};

}  // namespace fitzel
