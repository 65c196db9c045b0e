// The player's options: each one's key in the options file and its value before the player
// first changes it.
#include "forms/PlayerOptions.h"

namespace fitzel {
namespace {

struct Option {
    const char* key;
    bool byDefault;
};

// The keys are those the options files already hold: changing one would lose the player's choice.
constexpr Option kPlacementPreview{"Options/PlacementPreview", true};
constexpr Option kShowPar{"Options/ShowPar", false};

}  // namespace

PlayerOptions::PlayerOptions() : settings_(QStringLiteral("Fitzel"), QStringLiteral("fitzel")) {}

bool PlayerOptions::placementPreview() const {
    return settings_.value(kPlacementPreview.key, kPlacementPreview.byDefault).toBool();
}

void PlayerOptions::setPlacementPreview(bool on) {
    settings_.setValue(kPlacementPreview.key, on);
    // At once, as the player clicks: the game may still end on a broken data file.
    settings_.sync();
}

bool PlayerOptions::showPar() const {
    return settings_.value(kShowPar.key, kShowPar.byDefault).toBool();
}

void PlayerOptions::setShowPar(bool on) {
    settings_.setValue(kShowPar.key, on);
    settings_.sync();
}

}  // namespace fitzel
