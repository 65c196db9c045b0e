// The How To Play window: the instructions and an OK button.
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;
class QShowEvent;

namespace fitzel {

class frmHelp : public QDialog {
    Q_OBJECT

  public:
    // Builds the instructions at once; centres itself on the screen when first shown.
    explicit frmHelp(QWidget* owner);

    QPushButton* OKButton = nullptr;
    QLabel* lblHelp = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    // The window has no cancel button, so Escape does not close it.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void OKButton_Click();

    bool centred_ = false;
};

}  // namespace fitzel
