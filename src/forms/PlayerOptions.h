// The player's options, kept between runs (~/.config/Fitzel/fitzel.conf).
#pragma once

#include <QSettings>
#include <memory>

namespace fitzel {

inline std::unique_ptr<QSettings> playerOptions() {
    return std::make_unique<QSettings>(QStringLiteral("Fitzel"), QStringLiteral("fitzel"));
}

}  // namespace fitzel
