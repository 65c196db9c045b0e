// The How To Play window: builds the instructions, fits them and centres itself on the screen.
#include "forms/frmHelp.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <vector>

#include "forms/SmallWindow.h"
#include "forms/SmallWindowLayout.h"

namespace fitzel {
namespace {

// The smallest text the instructions are shown in: still read comfortably.
constexpr qreal kSmallestPoints = 8.0;
constexpr int kSmallestPixels = 11;

}  // namespace

frmHelp::frmHelp(QWidget* owner) : SmallWindow(owner) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Fitzel! - How To Play."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::help::kWindow.pixels().size());

    // Created in tab order.
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(layout::help::kOK.pixels());
    OKButton->setDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &frmHelp::OKButton_Click);

    lblHelp = new QLabel(this);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setGeometry(layout::help::kInstructions.pixels());
    lblHelp->setTextFormat(Qt::PlainText);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Form_Load();
    fitInstructions();
}

void frmHelp::Form_Load() {
    // One text, each line ending where it is written: a translation breaks its lines where its
    // own words fall.
    lblHelp->setText(
        tr("Instructions:") + QChar(10) + QChar(10) +
        tr("The top part of the display shows 35 pieces that are selected at random, for you to\n"
           "fit onto the main board.  As they are selected they will appear in the smaller grid\n"
           "(3x3) to show you they key square, which is in the center.  You must now click \n"
           "somewhere on the main board to fit the piece, eith the centre square on the small\n"
           "grid appearing where you click on the main grid, only if the piece fits without\n"
           "hitting another piece, or going off the edge.  Points are awarded for blocks of\n"
           "9 (3x3) - 30 pts, 6 (3x2 or 2x3) - 15 pts, and 4 (2x2) - 5 pts.  As points are\n"
           "awarded, the blocks will be removed making room to continue.  The game ends\n"
           "when there are no more pieces left to place."));
}

void frmHelp::fitInstructions() {
    // Each line as it is written, on a line of its own.
    lblHelp->setWordWrap(false);
    // Below the OK button rather than under it, so that all of the button takes clicks; the
    // label keeps its bottom and right edges unless the text needs more.
    QRect room = lblHelp->geometry();
    room.setTop(std::max(room.top(), OKButton->geometry().bottom() + 1));

    // The fonts the instructions may take, the most legible first: the dialog's own, then its
    // condensed face, then both half a point smaller at a time while they stay legible.
    const QFont dialogFont = lblHelp->font();
    std::vector<QFont> fonts{dialogFont};
    for (qreal points = QFontInfo(dialogFont).pointSizeF(); points >= kSmallestPoints;
         points -= 0.5) {
        QFont plain = dialogFont;
        plain.setPointSizeF(points);
        QFont condensed = plain;
        condensed.setStretch(QFont::SemiCondensed);
        for (const QFont& font : {plain, condensed}) {
            if (QFontInfo(font).pixelSize() >= kSmallestPixels) {
                fonts.push_back(font);
            }
        }
    }

    // The first font the text fits in whole; when none does, the one that needs the label and
    // the window to grow the least.
    const QFont* chosen = nullptr;
    QSize growth;
    for (const QFont& font : fonts) {
        const QSize text =
            QFontMetrics(font, lblHelp)
                .boundingRect(QRect(QPoint(), room.size()), lblHelp->alignment(), lblHelp->text())
                .size();
        const QSize needed(std::max(0, text.width() - room.width()),
                           std::max(0, text.height() - room.height()));
        if (chosen == nullptr ||
            needed.width() + needed.height() < growth.width() + growth.height()) {
            chosen = &font;
            growth = needed;
        }
        if (growth.isNull()) {
            break;
        }
    }

    lblHelp->setFont(*chosen);
    lblHelp->setGeometry(room.adjusted(0, 0, growth.width(), growth.height()));
    // The OK button keeps its place at the window's right edge.
    OKButton->move(OKButton->x() + growth.width(), OKButton->y());
    setFixedSize(size() + growth);
}

void frmHelp::OKButton_Click() {
    close();
}

}  // namespace fitzel
