// Fuzzes the loading of "Shapes.dat" and a game played with whatever shapes it gives: a broken
// file may end the program with a message, but nothing may read or write outside the board.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/NullPlatform.h"
#include "game/modGeneral.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fitzel::NullPlatform platform;
    platform.files[platform.path("Shapes.dat")].assign(reinterpret_cast<const char*>(data), size);
    fitzel::modGeneral game(platform);
    try {
        game.LoadShapes();
    } catch (const fitzel::FatalError&) {
        return 0;
    }
    // Try every cell, and some that are not, with every piece: placements, refusals, blocks
    // and clearings.
    game.NewGame();
    for (int turn = 0; turn < 35 && game.blnInGame; ++turn) {
        for (int cell = 0; cell <= 26; ++cell) {
            game.picGrid_Click((cell * 7 + turn) % 27);
            while (game.blnClearing) {
                platform.fireNext();
            }
        }
        if (game.blnInGame) {
            game.btnSkip_Click();
        }
    }
    return 0;
}
