// The end of the game on a data file that is missing or broken.
#pragma once

#include <QString>

class QWidget;

namespace fitzel {

// Tells the player that a data file is missing or broken, in a line on standard error and in a
// message naming the file and the fault, then ends the program with status 1 once the message
// is closed. The timers of the owner and of the windows under it stop first.
[[noreturn]] void reportBrokenDataFile(QWidget* owner, const QString& file, const QString& fault);

}  // namespace fitzel
