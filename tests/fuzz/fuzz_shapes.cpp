// Fuzzes the reading of "Shapes.dat": any bytes give 35 shapes, each a line of the file, or end
// the program with a message naming the file. Built a second time as fuzz_shapes_play, it then
// plays a game with whatever shapes it read: nothing may read or write outside the board.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/NullPlatform.h"
#include "game/modGeneral.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fitzel::NullPlatform platform;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    platform.files[platform.path("Shapes.dat")] = bytes;
    fitzel::modGeneral game(platform);
    try {
        game.LoadShapes();
    } catch (const fitzel::FatalError& error) {
        if (error.file != platform.path("Shapes.dat")) {
            std::abort();
        }
        return 0;
    }
    for (int k = 1; k <= fitzel::kPieceCount; ++k) {
        const std::string& shape = game.state().strShapes[k];
        if (shape.find_first_of("\r\n") != std::string::npos ||
            bytes.find(shape) == std::string::npos) {
            std::abort();
        }
    }
#ifdef FITZEL_FUZZ_PLAY
    // Every cell, and some that are not, with every piece: placements, refusals, blocks and
    // clearings.
    game.NewGame();
    for (int turn = 0; turn < 35 && game.state().blnInGame; ++turn) {
        for (int cell = 0; cell <= 26; ++cell) {
            game.picGrid_Click((cell * 7 + turn) % 27);
            while (game.state().blnClearing) {
                platform.fireNext();
            }
        }
        if (game.state().blnInGame) {
            game.btnSkip_Click();
        }
    }
#endif
    return 0;
}
