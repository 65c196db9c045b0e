// Fuzzes the loading of "Shapes.dat" and a game played with whatever shapes it gives: a broken
// file may end the program with a message, but nothing may read or write outside the board.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "game/modGeneral.h"

namespace {

struct Fatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Serves the fuzzed bytes as "Shapes.dat" and shows nothing.
class FuzzPlatform : public fitzel::Platform {
public:
    explicit FuzzPlatform(std::string shapes) : shapes_(std::move(shapes)) {}
    std::string showPieceCell(int, const std::string&, int) override { return {}; }
    std::string showBoardCell(int, fitzel::CellLook, const std::string&) override { return {}; }
    std::string showPreviewCell(int, fitzel::CellLook, const std::string&) override { return {}; }
    void setLabel(fitzel::Label, const std::string&) override {}
    void setTimerInterval(fitzel::TimerId, int) override {}
    fitzel::BoxAnswer messageBox(const std::string&, const std::string&, fitzel::BoxIcon,
                                 fitzel::BoxButtons) override {
        return fitzel::BoxAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return "fuzz";
    }
    void showScoresWindow() override {}
    std::string programFolder() override { return "."; }
    fitzel::FileRead readFile(const std::string& path, std::size_t maxBytes) override {
        if (path != "./Shapes.dat") {
            return {};
        }
        fitzel::FileRead read{fitzel::FileRead::Status::Ok, shapes_.substr(0, maxBytes),
                              shapes_.size() > maxBytes, ""};
        return read;
    }
    std::string replaceFile(const std::string&, const std::string&) override { return {}; }
    double random() override {
        next_ = (next_ * 1103515245u + 12345u) & 0x7fffffffu;
        return next_ / 2147483648.0;
    }
    void openDocument(const std::string&) override {}
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override {
        throw Fatal(file + ": " + fault);
    }

private:
    std::string shapes_;
    std::uint32_t next_ = 1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzPlatform platform(std::string(reinterpret_cast<const char*>(data), size));
    fitzel::modGeneral game(platform);
    try {
        game.LoadShapes();
    } catch (const Fatal&) {
        return 0;
    }
    // Try every cell with every piece: placements, refusals, blocks and clearings.
    game.NewGame();
    for (int turn = 0; turn < 35 && game.blnInGame; ++turn) {
        for (int cell = 0; cell <= 26; ++cell) {
            game.picGrid_Click((cell * 7 + turn) % 27);
            while (game.blnClearing) {
                for (int k = 1; k <= 9; ++k) {
                    game.onTimer(fitzel::clearTimer(k));
                }
            }
        }
        if (game.blnInGame) {
            game.btnSkip_Click();
        }
    }
    return 0;
}
