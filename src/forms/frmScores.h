// The high-score window: the five places of the table, scores on the left and names beside them.
#pragma once

#include "forms/SmallWindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace fitzel {

class modGeneral;

class frmScores : public SmallWindow {
    Q_OBJECT

  public:
    // Reads the table from the high-score file at once. Like the other small windows, it
    // centres itself on the screen when first shown, once its outer size is known.
    frmScores(modGeneral& game, QWidget* owner);

    // Reads the high-score file again and shows what it holds.
    void refresh();

    // Places 1 to 5; element 0 is unused.
    std::array<QLabel*, 6> lblScore{};
    std::array<QLabel*, 6> lblName{};
    QPushButton* cmdOK = nullptr;

  private:
    void Form_Load();
    void cmdOK_Click();

    modGeneral& game_;
};

}  // namespace fitzel
