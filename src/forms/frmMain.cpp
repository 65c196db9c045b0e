// The main window: lays out the controls and routes menus, clicks, keys and ticks to the game.
#include "forms/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "forms/BoardOverlay.h"
#include "forms/ClientArea.h"
#include "forms/DealMenu.h"
#include "forms/Lettering.h"
#include "forms/MainLayout.h"
#include "forms/PictureBox.h"
#include "forms/QtPlatform.h"
#include "forms/ScriptLabel.h"
#include "forms/SmallWindow.h"
#include "forms/Translations.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmScores.h"

// The artwork lives in this library's resources; a static library must register them itself.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace fitzel {
namespace {

const QColor kCellGrey(128, 128, 128);

constexpr char kExitQuestion[] =
    FITZEL_TEXT("fitzel", "A game is still in progress! Are you sure you want to exit?     ");
constexpr char kExitTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Exit?");

// The Skip button's face in the player's language.
QString skipFace(const QString& word) {
    for (const lettering::Glyph& face : lettering::kSkipFaces) {
        if (word == QString::fromUtf8(face.text)) {
            return QStringLiteral(":/%1.png").arg(QString::fromLatin1(face.name));
        }
    }
    return QStringLiteral(":/skip.png");
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    initResources();
    setObjectName("frmMain");
    setWindowTitle(tr("Fitzel!"));
    // Icons find their "@2x" twins themselves.
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

    client_ = new ClientArea(this);
    setCentralWidget(client_);
    buildControls();
    buildTimers();
    // The window keeps the size of its client area and menu bar: it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    GameScreen screen;
    screen.window = this;
    screen.pieces = picPieces_;
    screen.board = picGrid_;
    screen.preview = picEG_;
    screen.timeRemaining = lblTimeRemaining_;
    screen.score = lblScore_;
    screen.timers = timers_;
    screen.showScoresWindow = [this] { showScoresWindow(); };
    platform_ = std::make_unique<QtPlatform>(std::move(screen));
    game_ = std::make_unique<modGeneral>(*platform_);

    // Over the board's cells, beneath nothing; the keyboard's first stop.
    overlay_ = new BoardOverlay(client_, *game_, picGrid_);
    overlay_->raise();
    setTabOrder(overlay_, btnSkip_);
    overlay_->setFocus();
    buildMenus();

    for (int n = 1; n <= kBoardCells; ++n) {
        connect(picGrid_[n], &PictureBox::clicked, this, [this, n] {
            overlay_->pointerClicked();
            play([this, n] { game_->picGrid_Click(n); });
        });
    }
    connect(overlay_, &BoardOverlay::placeRequested, this,
            [this](int cell) { play([this, cell] { game_->picGrid_Click(cell); }); });
    connect(btnSkip_, &QPushButton::clicked, this,
            [this] { play([this] { game_->btnSkip_Click(); }); });
    // After the game's own handler, which the platform connected first.
    for (QTimer* timer : timers_) {
        connect(timer, &QTimer::timeout, overlay_, &BoardOverlay::refresh);
    }

    Form_Load();
}

frmMain::~frmMain() {
    for (QTimer* t : timers_) {
        t->stop();
    }
}

void frmMain::buildControls() {
    for (int k = 1; k <= kPieceCount; ++k) {
        auto* pic = new PictureBox(client_);
        pic->setObjectName(QStringLiteral("picPieces%1").arg(k));
        pic->move(layout::kStrip[k].pixels());
        pic->resize(0, 0);
        pic->setGround(kCellGrey);
        pic->setAccessibleName(tr("Piece %1").arg(k));
        picPieces_[k] = pic;
    }

    const QPixmap boardCell =
        loadPicture(QStringLiteral(":/cell_board.png"), devicePixelRatio()).value;
    for (int n = 1; n <= kBoardCells; ++n) {
        auto* pic = new PictureBox(client_);
        pic->setObjectName(QStringLiteral("picGrid%1").arg(n));
        pic->setGeometry(layout::boardCell(n).pixels());
        pic->showPicture(boardCell);
        pic->setAccessibleName(tr("Board cell %1").arg(n));
        pic->setAccessibleDescription(tr("no game yet"));
        picGrid_[n] = pic;
    }

    const QPixmap previewCell =
        loadPicture(QStringLiteral(":/cell_preview.png"), devicePixelRatio()).value;
    for (int n = 1; n <= kPreviewCells; ++n) {
        const bool key = n == 5;
        auto* pic = new PictureBox(client_, key);
        pic->setObjectName(QStringLiteral("picEG%1").arg(n));
        pic->setGeometry(layout::previewCell(n).pixels());
        if (key) {
            // The key square: a grey ground and a single-line border, at a fixed size.
            pic->setGround(kCellGrey);
            pic->setBorder(true);
        }
        pic->showPicture(previewCell);
        pic->setAccessibleName(tr("Preview cell %1").arg(n));
        pic->setAccessibleDescription(tr("no game yet"));
        picEG_[n] = pic;
    }
    // The key square overlaps its neighbours by a pixel; its border is drawn whole over them.
    picEG_[5]->raise();

    // Their accessible names follow their texts (QtPlatform::setLabel).
    auto makeLabel = [this](const char* name, const Twips& place) {
        auto* label = new ScriptLabel(client_);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(place.pixels());
        return label;
    };
    lblTimeRemaining_ = makeLabel("lblTimeRemaining", layout::kTimeRemaining);
    lblScore_ = makeLabel("lblScore", layout::kScore);

    btnSkip_ = new PictureButton(client_);
    btnSkip_->setObjectName("btnSkip");
    btnSkip_->setGeometry(layout::kSkip.pixels());
    btnSkip_->setIcon(QIcon(skipFace(tr("Skip"))));
    btnSkip_->setIconSize(QSize(78, 38));
    btnSkip_->setToolTip(QString());
    btnSkip_->setAccessibleName(tr("Skip"));
    btnSkip_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    // A click leaves the keyboard with the board, so Space after a click still places a piece.
    btnSkip_->setFocusPolicy(Qt::TabFocus);
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* item = file->addAction(tr("&New"));
    item->setObjectName("mnuFileItem1");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(item, &QAction::triggered, this, [this] { mnuFileItem_Click(FileItem::New); });
    file->addSeparator()->setObjectName("mnuFileItem2");
    item = file->addAction(tr("E&xit"));
    item->setObjectName("mnuFileItem3");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(item, &QAction::triggered, this, [this] { mnuFileItem_Click(FileItem::Exit); });

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName("mnuOptions");
    previewOption_ = options->addAction(tr("Show Placement &Preview"));
    previewOption_->setObjectName("mnuOptionsItem1");
    previewOption_->setCheckable(true);
    previewOption_->setChecked(options_.placementPreview());
    overlay_->setPreviewShown(previewOption_->isChecked());
    connect(previewOption_, &QAction::toggled, this, [this](bool on) {
        options_.setPlacementPreview(on);
        overlay_->setPreviewShown(on);
    });

    BoardControls controls;
    controls.window = this;
    controls.overlay = overlay_;
    controls.skip = btnSkip_;
    controls.cells = picGrid_;
    controls.startDeal = [this](std::uint64_t n) { startDeal(n); };
    deals_ = std::make_unique<DealMenu>(menuBar(), *game_, *platform_, options_, controls);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    item = help->addAction(tr("How To &Play"));
    item->setObjectName("mnuHelpItem1");
    item->setShortcut(QKeySequence(Qt::Key_F1));
    connect(item, &QAction::triggered, this, [this] { mnuHelpItem_Click(HelpItem::HowToPlay); });
    item = help->addAction(tr("Show High Scores"));
    item->setObjectName("mnuHelpItem2");
    connect(item, &QAction::triggered, this,
            [this] { mnuHelpItem_Click(HelpItem::ShowHighScores); });
    help->addSeparator()->setObjectName("mnuHelpItem3");
    item = help->addAction(tr("&About"));
    item->setObjectName("mnuHelpItem4");
    connect(item, &QAction::triggered, this, [this] { mnuHelpItem_Click(HelpItem::About); });
}

void frmMain::buildTimers() {
    for (int t = 0; t < kTimerCount; ++t) {
        auto* timer = new QTimer(this);
        timer->setObjectName(t == 0 ? QStringLiteral("tmrTimeLeft")
                                    : QStringLiteral("tmrClear%1").arg(t));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setSingleShot(false);
        timer->setInterval(0);
        timers_[t] = timer;
    }
}

void frmMain::Form_Load() {
    game_->Randomize();
    // With its frame, caption and menu bar.
    adjustSize();
    centreOnScreen(this);
    game_->LoadShapes();
    game_->ResetLabels();
    platform_->readCellPicturesAhead();
}

void frmMain::mnuFileItem_Click(FileItem item) {
    switch (item) {
        case FileItem::New:
            startDeal(std::nullopt);
            break;
        case FileItem::Exit:
            if (game_->state().blnInGame &&
                platform_->messageBox(gameString(kExitQuestion), gameString(kExitTitle),
                                      BoxIcon::Question, BoxButtons::YesNo) != BoxAnswer::Yes) {
                return;
            }
            endProgram();
            break;
    }
}

void frmMain::startDeal(std::optional<std::uint64_t> number) {
    overlay_->newGame();
    play([this, number] { number ? game_->newDeal(*number) : game_->NewGame(); });
}

void frmMain::mnuHelpItem_Click(HelpItem item) {
    switch (item) {
        case HelpItem::HowToPlay:
            showModal(new frmHelp(this));
            break;
        case HelpItem::ShowHighScores:
            showScoresWindow();
            break;
        case HelpItem::About:
            showModal(
                new frmAbout(*game_, QString::fromStdString(platform_->programFolder()), this));
            break;
    }
}

void frmMain::showScoresWindow() {
    if (scores_ && scores_->isVisible()) {
        scores_->refresh();
        return;
    }
    scores_ = new frmScores(*game_, this);
    showModal(scores_.data());
}

bool frmMain::event(QEvent* event) {
    if (overlay_ != nullptr &&
        (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)) {
        overlay_->setBlocked(event->type() == QEvent::WindowBlocked);
    }
    return QMainWindow::event(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at once, even during a game.
    event->accept();
    endProgram();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (!overlay_->handleKey(*event)) {
        QMainWindow::keyPressEvent(event);
    }
}

template <typename Handler>
void frmMain::play(Handler handler) {
    handler();
    overlay_->refresh();
}

void frmMain::endProgram() {
    if (ending_) {
        return;
    }
    ending_ = true;
    for (QTimer* t : timers_) {
        t->stop();
    }
    hide();
    emit programEnded();
}

}  // namespace fitzel
