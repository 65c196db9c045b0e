// The How To Play window: the instructions and an OK button.
#pragma once

#include "forms/DialogGeometry.h"

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
    void OKButton_Click();
};

}  // namespace fitzel
