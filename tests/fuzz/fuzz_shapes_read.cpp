// Fuzzes the reading of "Shapes.dat" alone: any bytes give 35 shapes or end the program with a
// message naming the file; every shape read is a line of the file.
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
        const std::string& shape = game.strShapes[k];
        if (shape.find_first_of("\r\n") != std::string::npos ||
            bytes.find(shape) == std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
