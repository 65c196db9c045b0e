// The Deals menu: replay, deal by number, and the par after the game.
#include "forms/DealMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <string>
#include <vector>

#include "forms/PlayerOptions.h"
#include "forms/Translations.h"
#include "game/Deal.h"

namespace fitzel {
namespace {

constexpr char kNumberPrompt[] =
    FITZEL_TEXT("fitzel", "Please enter the number of the deal, from 1 to %1.     ");
constexpr char kNumberTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Deal by Number.");
constexpr char kNumberRefused[] =
    FITZEL_TEXT("fitzel", "A deal number is a whole number from 1 to %1.     ");
constexpr char kParTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Par.");
constexpr char kPar[] = FITZEL_TEXT("fitzel", "Par for deal %1: %2. Your score: %3.     ");
constexpr char kParAtLeast[] =
    FITZEL_TEXT("fitzel", "Par for deal %1: at least %2. Your score: %3.     ");

// A text that names the last deal.
std::string dealText(const char* text) {
    return filled(gameString(text), {std::to_string(kLastDeal)});
}

// "Par for deal 123: 425. Your score: 240.", the par "at least" what the search found when it
// ran out of time. The player's own game was a play of the deal too.
std::string parText(std::uint64_t deal, const Par& par, int score) {
    return filled(
        gameString(par.proven ? kPar : kParAtLeast),
        {std::to_string(deal), std::to_string(par.proven ? par.score : std::max(par.score, score)),
         std::to_string(score)});
}

}  // namespace

DealMenu::DealMenu(QMenuBar* bar, modGeneral& game, Platform& platform, PlayerOptions& options,
                   const BoardControls& controls)
    : game_(game),
      platform_(platform),
      options_(options),
      startDeal_(controls.startDeal),
      watch_(game, platform, controls),
      hint_(game, platform, controls) {
    QMenu* menu = bar->addMenu(tr("&Deals"));
    menu->setObjectName("mnuDeals");
    replay_ = menu->addAction(tr("&Replay Last Deal"));
    replay_->setObjectName("mnuDealsReplay");
    replay_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    replay_->setEnabled(false);  // until a game has been dealt
    connect(replay_, &QAction::triggered, this, [this] { startDeal_(game_.state().dealNumber); });
    number_ = menu->addAction(tr("Deal by &Number..."));
    number_->setObjectName("mnuDealsNumber");
    connect(number_, &QAction::triggered, this, &DealMenu::dealByNumber);
    menu->addSeparator();
    watchItem_ = menu->addAction(tr("&Watch the Par Play"));
    watchItem_->setObjectName("mnuDealsWatch");
    watchItem_->setEnabled(false);  // until a game has been dealt
    connect(watchItem_, &QAction::triggered, &watch_, &ParWatch::watch);
    hintItem_ = menu->addAction(tr("&Hint"));
    hintItem_->setObjectName("mnuDealsHint");
    hintItem_->setShortcut(QKeySequence(Qt::Key_H));
    hintItem_->setEnabled(false);  // during a game, while no block clears
    connect(hintItem_, &QAction::triggered, this, [this] {
        watch_.stop();
        hint_.hint();
    });
    connect(&hint_, &ParHint::availableChanged, hintItem_, &QAction::setEnabled);
    menu->addSeparator();
    par_ = menu->addAction(tr("Show &Par After the Game"));
    par_->setObjectName("mnuDealsPar");
    par_->setCheckable(true);
    par_->setChecked(options_.showPar());
    connect(par_, &QAction::toggled, this, [this](bool on) { options_.setShowPar(on); });

    listener_ = game_.listen([this](GameEvent event) { gameEvent(event); });
}

DealMenu::~DealMenu() {
    game_.forget(listener_);
}

void DealMenu::dealByNumber() {
    const std::uint64_t last = game_.state().dealNumber;
    std::string proposed = last != 0 ? std::to_string(last) : "";
    for (;;) {
        const std::string typed =
            platform_.inputBox(dealText(kNumberPrompt), gameString(kNumberTitle), proposed);
        // Cancel, or nothing typed: no new game.
        if (typed.find_first_not_of(" \t") == std::string::npos) {
            return;
        }
        if (const std::optional<std::uint64_t> number = parseDealNumber(typed)) {
            startDeal_(*number);
            return;
        }
        platform_.messageBox(dealText(kNumberRefused), gameString(kNumberTitle),
                             BoxIcon::Information, BoxButtons::Ok);
        proposed = typed;
    }
}

void DealMenu::gameEvent(GameEvent event) {
    switch (event) {
        case GameEvent::Started:
            // A search for an earlier game is of no use any more.
            awaited_.reset();
            search_.drop();
            replay_->setEnabled(true);
            watchItem_->setEnabled(true);
            break;
        case GameEvent::Ending:
            // A watched play ends with its own box, which gives the par.
            if (par_->isChecked() && !watch_.watching()) {
                findParOfThisGame();
            }
            break;
        case GameEvent::Ended:
            if (awaited_) {
                awaited_->score = game_.state().intScore;
                showParWhenDue();
            }
            break;
    }
}

void DealMenu::findParOfThisGame() {
    awaited_ = Awaited{game_.state().dealNumber, std::nullopt, std::nullopt};
    search_.start(game_.dealtPatterns(), ParStart{}, kParBudget, [this](const Par& par) {
        awaited_->par = par;
        showParWhenDue();
    });
}

void DealMenu::showParWhenDue() {
    if (!awaited_ || !awaited_->score || !awaited_->par) {
        return;
    }
    const std::string text = parText(awaited_->deal, *awaited_->par, *awaited_->score);
    awaited_.reset();
    if (par_->isChecked()) {
        platform_.messageBox(text, gameString(kParTitle), BoxIcon::Information, BoxButtons::Ok);
    }
}

}  // namespace fitzel
