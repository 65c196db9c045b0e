// The main window's client area: its ground, with the strip's dark panel and the red frames round
// the board and the preview (the window's `fram` rectangles) drawn on it, beneath the picture
// cells.
#pragma once

#include <QWidget>

namespace fitzel {

class ClientArea : public QWidget {
  public:
    // Takes the client area's fixed size from the main window's layout.
    explicit ClientArea(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fitzel
