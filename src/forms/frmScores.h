// The high-score window: the five places of the table, scores on the left and names beside them.
#pragma once

#include <QDialog>

#include <array>

class QKeyEvent;
class QLabel;
class QPushButton;
class QShowEvent;

namespace fitzel {

class modGeneral;

class frmScores : public QDialog {
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

  protected:
    void showEvent(QShowEvent* event) override;
    // The window has no cancel button, so Escape does not close it.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void cmdOK_Click();

    modGeneral& game_;
    bool centred_ = false;
};

}  // namespace fitzel
