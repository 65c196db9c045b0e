// The How To Play window: builds the instructions and centres itself on the screen.
#include "forms/frmHelp.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "forms/DialogGeometry.h"

namespace fitzel {

frmHelp::frmHelp(QWidget* owner) : SmallWindow(owner) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Fitzel! - How To Play."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(6375), twips(3015));

    // Created in tab order.
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(twips(4920), twips(240), twips(1215), twips(375));
    OKButton->setDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &frmHelp::OKButton_Click);

    lblHelp = new QLabel(this);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setGeometry(twips(240), twips(480), twips(5895), twips(2295));
    lblHelp->setTextFormat(Qt::PlainText);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHelp->setWordWrap(true);

    Form_Load();
}

void frmHelp::Form_Load() {
    static const char* const kLines[] = {
        "The top part of the display shows 35 pieces that are selected at random, for you to",
        "fit onto the main board.  As they are selected they will appear in the smaller grid",
        "(3x3) to show you they key square, which is in the center.  You must now click ",
        "somewhere on the main board to fit the piece, eith the centre square on the small",
        "grid appearing where you click on the main grid, only if the piece fits without",
        "hitting another piece, or going off the edge.  Points are awarded for blocks of",
        "9 (3x3) - 30 pts, 6 (3x2 or 2x3) - 15 pts, and 4 (2x2) - 5 pts.  As points are",
        "awarded, the blocks will be removed making room to continue.  The game ends",
        "when there are no more pieces left to place.",
    };
    lblHelp->setText(QStringLiteral("Instructions:") + QChar(10));
    for (const char* line : kLines) {
        lblHelp->setText(lblHelp->text() + QChar(10) + QString::fromLatin1(line));
    }
}

void frmHelp::OKButton_Click() {
    close();
}

}  // namespace fitzel
