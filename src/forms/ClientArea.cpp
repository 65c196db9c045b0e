// The main window's client area: its ground, the strip's panel and the two red frames.
#include "forms/ClientArea.h"

#include <QColor>
#include <QPainter>

#include "forms/Lettering.h"
#include "forms/MainLayout.h"
#include "forms/PictureBox.h"

namespace fitzel {
namespace {

const QColor kBackground(lettering::kGroundRed, lettering::kGroundGreen, lettering::kGroundBlue);
const QColor kPanelFill(102, 102, 102);
const QColor kPanelBorder(0, 0, 0);
const QColor kFrameRed(255, 0, 0);
constexpr int kFrameWidth = 2;

}  // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMainClient");
    setFixedSize(layout::kClient.pixels().size());
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kBackground);
    setPalette(ground);
    setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(layout::kFramPieces.pixels(), kPanelFill);
    fillBand(painter, layout::kFramPieces.pixels(), kFrameWidth, kPanelBorder);
    fillBand(painter, layout::kFramGrid.pixels(), kFrameWidth, kFrameRed);
    fillBand(painter, layout::kFramEGGrid.pixels(), kFrameWidth, kFrameRed);
}

}  // namespace fitzel
