// The How To Play window: the instructions and an OK button.
#pragma once

#include "forms/SmallWindow.h"

class QLabel;
class QPushButton;

namespace fitzel {

class frmHelp : public SmallWindow {
    Q_OBJECT

  public:
    // Builds the instructions at once; centres itself on the screen when first shown.
    explicit frmHelp(QWidget* owner);

    QPushButton* OKButton = nullptr;
    QLabel* lblHelp = nullptr;

  private:
    void Form_Load();
    // Shows every line of the instructions whole in a legible font: a smaller or condensed one
    // where the dialog's does not fit, else a larger label and window.
    void fitInstructions();
    void OKButton_Click();
};

}  // namespace fitzel
