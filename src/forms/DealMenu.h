// The Deals menu: a replay of the last deal, a deal by its number, its par's play watched, a
// hint, and the par of each game's deal, shown after the game when the player asks. A player who
// never opens it plays the game that File > New deals, unchanged.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "forms/BoardControls.h"
#include "forms/ParHint.h"
#include "forms/ParThread.h"
#include "forms/ParWatch.h"
#include "game/Par.h"
#include "game/modGeneral.h"

class QAction;
class QMenuBar;

namespace fitzel {

class PlayerOptions;

class DealMenu : public QObject {
    Q_OBJECT
  public:
    // Adds the menu to the bar; the watched play and the hint act through the window's
    // `controls`. The game's events come here from now on, until the menu is destroyed, which
    // must come before the game's end: its owner keeps it next to the game. The options outlive
    // the menu.
    DealMenu(QMenuBar* bar, modGeneral& game, Platform& platform, PlayerOptions& options,
             const BoardControls& controls);
    // Stops a search still running and waits for it: it ends within milliseconds.
    ~DealMenu() override;

    QAction* replayItem() const { return replay_; }
    QAction* numberItem() const { return number_; }
    QAction* parOption() const { return par_; }
    QAction* watchItem() const { return watchItem_; }
    QAction* hintItem() const { return hintItem_; }
    ParWatch& watch() { return watch_; }
    ParHint& hint() { return hint_; }

    // Asks for a deal number until the player gives one or cancels, and deals it.
    void dealByNumber();

  private:
    void gameEvent(GameEvent event);
    // Starts finding the par of the game that is ending, on a thread of its own.
    void findParOfThisGame();
    // Shows the par once it is found and the game's own boxes have closed.
    void showParWhenDue();

    modGeneral& game_;
    Platform& platform_;
    PlayerOptions& options_;
    std::function<void(std::uint64_t)> startDeal_;
    int listener_ = 0;  // the game's number for this menu's listener
    QAction* replay_ = nullptr;
    QAction* number_ = nullptr;
    QAction* par_ = nullptr;
    QAction* watchItem_ = nullptr;
    QAction* hintItem_ = nullptr;
    ParWatch watch_;
    ParHint hint_;

    // The par awaited for the game that is ending: its deal, the score once its boxes have
    // closed, and the par once found. A new game drops it, and the search with it.
    struct Awaited {
        std::uint64_t deal;
        std::optional<int> score;
        std::optional<Par> par;
    };
    std::optional<Awaited> awaited_;
    ParThread search_;
};

}  // namespace fitzel
