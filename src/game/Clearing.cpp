// Clearing a scored block from the screen cell by cell, and the re-check when it has gone.
#include "game/Tables.h"
#include "game/modGeneral.h"

namespace fitzel {

void modGeneral::StartClear4() {
    startClearing(kClear4Schedule);
}
void modGeneral::StartClear6() {
    startClearing(kClear6Schedule);
}
void modGeneral::StartClear9() {
    startClearing(kClear9Schedule);
}

void modGeneral::startClearing(const ClearSchedule& schedule) {
    // With no piece left the game is about to end: the block is scored but not animated.
    if (!clearingShown(intPiecesLeft)) {
        return;
    }
    blnClearing = true;
    for (int slot = 1; slot <= 9; ++slot) {
        if (schedule[slot] != 0) {
            platform_.setTimerInterval(clearTimer(slot), schedule[slot]);
        }
    }
}

void modGeneral::tmrClear1_Timer() {
    clearTimerFired(1);
}
void modGeneral::tmrClear2_Timer() {
    clearTimerFired(2);
}
void modGeneral::tmrClear3_Timer() {
    clearTimerFired(3);
}
void modGeneral::tmrClear4_Timer() {
    clearTimerFired(4);
}
void modGeneral::tmrClear5_Timer() {
    clearTimerFired(5);
}
void modGeneral::tmrClear6_Timer() {
    clearTimerFired(6);
}
void modGeneral::tmrClear7_Timer() {
    clearTimerFired(7);
}
void modGeneral::tmrClear8_Timer() {
    clearTimerFired(8);
}

void modGeneral::tmrClear9_Timer() {
    clearTimerFired(9);
    blnClearing = false;
    if (searchesAgain(intCheckCount)) {
        CheckBlocks();
    } else {
        intCheckCount = 0;
    }
    DrawBoard();
    // A click that came during the clearing is carried out now, unless a re-check has started
    // another clearing, in which case it waits for that one too.
    if (!blnClearing && heldClick) {
        const int cell = *heldClick;
        heldClick.reset();
        placeAt(cell);
    }
}

void modGeneral::clearTimerFired(int k) {
    // Each timer fires once per arming.
    platform_.setTimerInterval(clearTimer(k), 0);
    const int cell = intClearCell[k];
    if (cell >= 1 && cell <= kBoardCells) {
        showBoardCell(cell, false);
    }
}

}  // namespace fitzel
