// A Platform without a screen: a virtual clock for the ten timers, chance from a seeded
// generator, boxes that answer OK or nothing, data files read from a folder and a high-score
// file that is kept in memory only.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "game/modGeneral.h"
#include "platform/Platform.h"

namespace simulate {

class HeadlessPlatform : public fitzel::Platform {
  public:
    HeadlessPlatform(std::string folder, std::uint32_t seed);

    // The game whose onTimer receives the ticks; none for a scratch copy of the rules.
    void attach(fitzel::modGeneral* game) { game_ = game; }

    // Fires the next timer that falls due, moving the clock to it. False when none is running.
    bool fireNext();
    long now() const { return now_; }

    std::string showPieceCell(int, const std::string&, int) override { return {}; }
    std::string showBoardCell(int, fitzel::CellLook, const std::string&) override { return {}; }
    std::string showPreviewCell(int, fitzel::CellLook, const std::string&) override { return {}; }
    void setLabel(fitzel::Label, const std::string&) override {}

    void setTimerInterval(fitzel::TimerId timer, int milliseconds) override;

    fitzel::BoxAnswer messageBox(const std::string&, const std::string&, fitzel::BoxIcon,
                                 fitzel::BoxButtons buttons) override;
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void showScoresWindow() override {}

    std::string programFolder() override { return folder_; }
    fitzel::FileRead readFile(const std::string& path, std::size_t maxBytes) override;
    std::string replaceFile(const std::string& path, const std::string& bytes) override;

    double random() override { return uniform_(generator_); }
    void openDocument(const std::string&) override {}
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override;

  private:
    struct Timer {
        int interval = 0;
        long due = 0;
        long armed = 0;  // arming order, to fire timers due at the same time in that order
    };

    std::string folder_;
    std::mt19937 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    fitzel::modGeneral* game_ = nullptr;
    std::array<Timer, fitzel::kTimerCount> timers_{};
    long now_ = 0;
    long armings_ = 0;
    std::map<std::string, std::string> written_;  // files the game wrote, never put on disk
};

}  // namespace simulate
