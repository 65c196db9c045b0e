// The high-score window: reads the table when it opens and shows each place on its own row.
#include "forms/frmScores.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "forms/SmallWindow.h"
#include "forms/SmallWindowLayout.h"
#include "game/modGeneral.h"

namespace fitzel {

namespace {

QFont tableFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Bold);
    font.setPointSizeF(14.25);
    return font;
}

// A label that sizes itself to its text, left-aligned, at its design place and size.
QLabel* tableLabel(QWidget* parent, const QString& name, const Twips& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(tableFont());
    label->setGeometry(place.pixels());
    return label;
}

void setAutoSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->sizeHint());
}

}  // namespace

frmScores::frmScores(modGeneral& game, QWidget* owner) : SmallWindow(owner), game_(game) {
    setObjectName(QStringLiteral("frmScores"));
    setWindowTitle(tr("Fitzel! - Scores."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    resize(layout::scores::kWindow.pixels().size());

    for (int k = 1; k <= 5; ++k) {
        lblScore[k] =
            tableLabel(this, QStringLiteral("lblScore%1").arg(k), layout::scores::score(k));
        lblName[k] = tableLabel(this, QStringLiteral("lblName%1").arg(k), layout::scores::name(k));
    }

    // Last in the tab order.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(layout::scores::kOK.pixels());
    cmdOK->setDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmScores::cmdOK_Click);

    Form_Load();
}

void frmScores::Form_Load() {
    refresh();
}

void frmScores::refresh() {
    game_.LoadHighScores();
    for (int k = 1; k <= 5; ++k) {
        setAutoSizedText(lblScore[k], QString::number(game_.state().intHighScore[k]));
        setAutoSizedText(lblName[k], QString::fromStdString(game_.state().strHighName[k]));
    }
}

void frmScores::cmdOK_Click() {
    close();
}

}  // namespace fitzel
