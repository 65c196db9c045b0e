// Fuzzes the reading of the high-score file: any bytes must read as a table, and a table that is
// written and read back must be the same table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/HighScoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fitzel::HighScores scores{};
    fitzel::HighNames names;
    fitzel::decodeHighScoreFile(bytes, scores, names);

    // Whatever was read is stored as it reads back; a second round trip changes nothing.
    const std::string file = fitzel::encodeHighScoreFile(scores, names);
    fitzel::HighScores again{};
    fitzel::HighNames againNames;
    fitzel::decodeHighScoreFile(file, again, againNames);
    if (fitzel::encodeHighScoreFile(again, againNames) != file) {
        std::abort();
    }
    return 0;
}
