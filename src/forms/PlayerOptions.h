// The player's options, kept between runs (~/.config/Fitzel/fitzel.conf).
#pragma once

#include <QSettings>

namespace fitzel {

class PlayerOptions {
  public:
    PlayerOptions();

    // Options > Show Placement Preview: on until the player turns it off.
    bool placementPreview() const;
    void setPlacementPreview(bool on);
    // Deals > Show Par After the Game: off until the player turns it on.
    bool showPar() const;
    void setShowPar(bool on);

  private:
    QSettings settings_;
};

}  // namespace fitzel
