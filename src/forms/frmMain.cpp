// The main window: lays out the controls, routes menus, clicks, keys and ticks to the game.
#include "forms/frmMain.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <cmath>
#include <utility>

#include "forms/Lettering.h"
#include "forms/QtPlatform.h"
#include "forms/ScriptLabel.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "game/DataFiles.h"
#include "game/modGeneral.h"

// The artwork lives in this library's resources; a static library must register them itself.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace fitzel {
namespace {

// The layout is given in twips, 15 to a pixel.
constexpr int px(int twips) {
    return twips / 15;
}

const QColor kBackground(lettering::kGroundRed, lettering::kGroundGreen, lettering::kGroundBlue);
const QColor kPanelFill(102, 102, 102);
const QColor kPanelBorder(0, 0, 0);
const QColor kFrameRed(255, 0, 0);
const QColor kCellGrey(128, 128, 128);
constexpr int kFrameWidth = 2;

const QRect kFramPieces(px(255), px(120), px(4440), px(3210));
const QRect kFramGrid(px(105), px(3825), px(2970), px(2895));
const QRect kFramEGGrid(px(3330), px(3825), px(1395), px(1395));

// Top-left corner of each strip cell, pieces 1 to 35, in twips.
constexpr std::array<std::pair<int, int>, 35> kStripTwips = {{
    {570, 420},  {1170, 240},  {1770, 240},  {2370, 240},  {2970, 240},  {3570, 240},  {4170, 240},
    {390, 840},  {1170, 840},  {1590, 840},  {2190, 840},  {2790, 840},  {3390, 840},  {3990, 840},
    {390, 1440}, {1170, 1440}, {1590, 1440}, {2190, 1440}, {2790, 1620}, {3390, 1440}, {4170, 1440},
    {390, 2220}, {990, 2220},  {1590, 2220}, {2190, 2040}, {2790, 2040}, {3585, 2040}, {4170, 2040},
    {390, 2820}, {990, 2640},  {1590, 2820}, {2370, 2640}, {2790, 2820}, {3585, 2640}, {4005, 2805},
}};

// Where the player's options are kept between runs.
constexpr char kSettingsOrganisation[] = "Fitzel";
constexpr char kSettingsApplication[] = "fitzel";
constexpr char kPreviewSetting[] = "Options/PlacementPreview";

// The board: 5 x 5 cells of 39 x 38 pixels from its top-left corner; the centre cell is where
// the keyboard's cursor starts, once a key is used.
const QPoint kBoardCorner(px(120), px(3840));
const QSize kBoardCell(px(585), px(570));
constexpr int kCentreCell = 13;

// The placement preview: a band of the cell's tint inside the cursor's frame, leaving the
// cell's middle as it is, so the piece's colour shows whether a clash is with a filled cell.
constexpr int kCursorWidth = 2;
constexpr int kTintWidth = 5;
const QColor kCursorColour(0, 0, 0);
const QColor kCoversTint(0, 170, 0, 200);
const QColor kClashesTint(255, 30, 30, 230);
const QColor kRefusedTint(255, 150, 40, 190);

QRect boardCellRect(int n) {
    return QRect(QPoint(kBoardCell.width() * ((n - 1) % 5), kBoardCell.height() * ((n - 1) / 5)),
                 kBoardCell);
}

constexpr char kExitQuestion[] = "A game is still in progress! Are you sure you want to exit?     ";
constexpr char kExitTitle[] = "Fitzel! - Exit?";

// Fills a band `width` pixels wide just inside the rectangle, each pixel once (so that a
// see-through colour is even all round).
void fillBand(QPainter& painter, const QRect& r, int width, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top() + width, width, r.height() - 2 * width), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top() + width, width, r.height() - 2 * width),
                     colour);
}

// The client area: the window's background with the strip's dark panel and the two red frames
// drawn on it, beneath the picture cells.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {
        setObjectName("frmMainClient");
        setFixedSize(frmMain::kClientWidth, frmMain::kClientHeight);
        QPalette ground = palette();
        ground.setColor(QPalette::Window, kBackground);
        setPalette(ground);
        setAutoFillBackground(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(kFramPieces, kPanelFill);
        fillBand(painter, kFramPieces, kFrameWidth, kPanelBorder);
        fillBand(painter, kFramGrid, kFrameWidth, kFrameRed);
        fillBand(painter, kFramEGGrid, kFrameWidth, kFrameRed);
    }
};

// A push button whose picture is its whole face, raised and bevelled. Held down, the face moves
// one pixel down and right and leaves a shadow along its top and left, as a picture button on
// the desktop does.
class PictureButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPoint face = isDown() ? QPoint(1, 1) : QPoint(0, 0);
        if (isDown()) {
            const QColor shadow = palette().color(QPalette::Shadow);
            painter.fillRect(0, 0, width(), 1, shadow);
            painter.fillRect(0, 1, 1, height() - 1, shadow);
        }
        painter.drawPixmap(face, icon().pixmap(iconSize(), devicePixelRatio(),
                                               isEnabled() ? QIcon::Normal : QIcon::Disabled));
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3).translated(face);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

// A screen reader tells a picture box as a picture, as it would a label showing one.
QAccessibleInterface* pictureBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

// Opens one of the secondary windows modally over the main window and waits for it to close.
// A window that deletes itself on closing is not deleted twice.
template <typename Window>
void showModal(Window* window) {
    QPointer<Window> guard(window);
    guard->exec();
    delete guard.data();
}

// The window's own artwork, drawn for the screen it is on.
QPixmap artwork(const QString& path, qreal ratio) {
    const PictureFile file = pictureFileFor(path, ratio);
    QPixmap pixmap(file.path);
    pixmap.setDevicePixelRatio(file.ratio);
    return pixmap;
}

}  // namespace

// --- BoardOverlay ---

BoardOverlay::BoardOverlay(QWidget* parent) : QWidget(parent) {
    setObjectName("boardOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Board"));
    // It holds the keyboard, which the main window handles (keyPressEvent); never the pointer.
    setFocusPolicy(Qt::TabFocus);
    setGeometry(QRect(kBoardCorner, QSize(kBoardCell.width() * 5, kBoardCell.height() * 5)));
}

void BoardOverlay::setState(const std::array<CellFit, kBoardCells + 1>& cells, int cursor) {
    if (cells == cells_ && cursor == cursor_) {
        return;
    }
    cells_ = cells;
    cursor_ = cursor;
    QString description;
    if (cursor != 0) {
        description = QStringLiteral("Cursor on cell %1").arg(cursor);
    }
    setAccessibleDescription(description);
    update();
}

void BoardOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int n = 1; n <= kBoardCells; ++n) {
        const CellFit fit = cells_[n];
        if (fit != CellFit::None) {
            const int inset = kCursorWidth;
            fillBand(painter, boardCellRect(n).adjusted(inset, inset, -inset, -inset), kTintWidth,
                     fit == CellFit::Covers    ? kCoversTint
                     : fit == CellFit::Clashes ? kClashesTint
                                               : kRefusedTint);
        }
    }
    if (cursor_ != 0) {
        fillBand(painter, boardCellRect(cursor_), kCursorWidth, kCursorColour);
    }
}

// --- PictureBox ---

PictureBox::PictureBox(QWidget* parent, bool fixedSize) : QWidget(parent), fixedSize_(fixedSize) {}

void PictureBox::showPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!fixedSize_) {
        // A picture drawn for a screen at 200% has twice the pixels in the same place.
        resize(picture.deviceIndependentSize().toSize());
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (ground_.isValid()) {
        painter.fillRect(rect(), ground_);
    }
    if (border_) {
        fillBand(painter, rect(), 1, Qt::black);
    }
    // Inside the border, when there is one, and never over it.
    const int inset = border_ ? 1 : 0;
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    painter.drawPixmap(inset, inset, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
    }
    event->accept();
}

// --- frmMain ---

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    initResources();
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Fitzel!"));
    // Icons find their "@2x" twins themselves.
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

    // (Installed once, however many windows are made.)
    QAccessible::installFactory(pictureBoxAccessible);
    client_ = new ClientArea(this);
    setCentralWidget(client_);
    buildControls();
    buildMenus();
    buildTimers();
    // The window keeps the size of its client area and menu bar: it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    platform_ = std::make_unique<QtPlatform>(*this);
    game_ = std::make_unique<modGeneral>(*platform_);

    for (int n = 1; n <= 25; ++n) {
        // A click hands the board back to the pointer: the keyboard's cursor goes.
        connect(picGrid_[n], &PictureBox::clicked, this, [this, n] {
            play([this, n] {
                keysInUse_ = false;
                game_->picGrid_Click(n);
            });
        });
        picGrid_[n]->setMouseTracking(true);
        picGrid_[n]->installEventFilter(this);
    }
    connect(btnSkip_, &QPushButton::clicked, this,
            [this] { play([this] { game_->btnSkip_Click(); }); });
    for (int t = 0; t < kTimerCount; ++t) {
        const auto id = static_cast<TimerId>(t);
        connect(timers_[t], &QTimer::timeout, this,
                [this, id] { play([this, id] { platform_->timerFired(id); }); });
    }

    Form_Load();
}

frmMain::~frmMain() {
    for (QTimer* t : timers_) {
        t->stop();
    }
}

void frmMain::buildControls() {
    for (int k = 1; k <= 35; ++k) {
        auto* pic = new PictureBox(client_);
        pic->setObjectName(QStringLiteral("picPieces%1").arg(k));
        pic->move(px(kStripTwips[k - 1].first), px(kStripTwips[k - 1].second));
        pic->resize(0, 0);
        pic->setGround(kCellGrey);
        pic->setAccessibleName(QStringLiteral("Piece %1").arg(k));
        picPieces_[k] = pic;
    }

    const QPixmap boardCell = artwork(QStringLiteral(":/cell_board.png"), devicePixelRatio());
    for (int n = 1; n <= 25; ++n) {
        const int row = (n - 1) / 5;
        const int column = (n - 1) % 5;
        auto* pic = new PictureBox(client_);
        pic->setObjectName(QStringLiteral("picGrid%1").arg(n));
        pic->move(px(120 + 585 * column), px(3840 + 570 * row));
        pic->resize(px(585), px(570));
        pic->showPicture(boardCell);
        pic->setAccessibleName(QStringLiteral("Board cell %1").arg(n));
        pic->setAccessibleDescription(QStringLiteral("no game yet"));
        picGrid_[n] = pic;
    }

    const QPixmap previewCell = artwork(QStringLiteral(":/cell_preview.png"), devicePixelRatio());
    for (int n = 1; n <= 9; ++n) {
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        const bool key = n == 5;
        auto* pic = new PictureBox(client_, key);
        pic->setObjectName(QStringLiteral("picEG%1").arg(n));
        if (key) {
            // The key square: its own place and size, a grey ground and a single-line border.
            pic->setGeometry(px(3780), px(4290), px(480), px(465));
            pic->setGround(kCellGrey);
            pic->setBorder(true);
        } else {
            pic->move(px(3345 + 450 * column), px(3840 + 450 * row));
            pic->resize(px(450), px(450));
        }
        pic->showPicture(previewCell);
        pic->setAccessibleName(QStringLiteral("Preview cell %1").arg(n));
        pic->setAccessibleDescription(QStringLiteral("no game yet"));
        picEG_[n] = pic;
    }
    // The key square overlaps its neighbours by a pixel; its border is drawn whole over them.
    picEG_[5]->raise();

    auto makeLabel = [this](const char* name, const char* spoken, int top) {
        auto* label = new ScriptLabel(client_);
        label->setObjectName(QString::fromLatin1(name));
        label->setAccessibleName(QString::fromLatin1(spoken));
        label->setGeometry(px(3240), px(top), px(1620), px(1005));
        return label;
    };
    lblTimeRemaining_ = makeLabel("lblTimeRemaining", "Time left", 5520);
    lblScore_ = makeLabel("lblScore", "Score", 6720);

    btnSkip_ = new PictureButton(client_);
    btnSkip_->setObjectName("btnSkip");
    btnSkip_->setGeometry(px(960), px(7080), px(1170), px(585));
    btnSkip_->setIcon(QIcon(QStringLiteral(":/skip.png")));
    btnSkip_->setIconSize(QSize(78, 38));
    btnSkip_->setToolTip(QString());
    btnSkip_->setAccessibleName(QStringLiteral("Skip"));
    btnSkip_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    // A click leaves the keyboard with the board, so Space after a click still places a piece.
    btnSkip_->setFocusPolicy(Qt::TabFocus);

    // Over the board's cells, beneath nothing; the keyboard's first stop.
    overlay_ = new BoardOverlay(client_);
    overlay_->raise();
    setTabOrder(overlay_, btnSkip_);
    overlay_->setFocus();
}

void frmMain::buildMenus() {
    mnuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName("mnuFile");
    QAction* item = mnuFile_->addAction(QStringLiteral("&New"));
    item->setObjectName("mnuFileItem1");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(item, &QAction::triggered, this, [this] { mnuFileItem_Click(1); });
    mnuFile_->addSeparator()->setObjectName("mnuFileItem2");
    item = mnuFile_->addAction(QStringLiteral("E&xit"));
    item->setObjectName("mnuFileItem3");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(item, &QAction::triggered, this, [this] { mnuFileItem_Click(3); });

    mnuOptions_ = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions_->setObjectName("mnuOptions");
    previewOption_ = mnuOptions_->addAction(QStringLiteral("Show Placement &Preview"));
    previewOption_->setObjectName("mnuOptionsItem1");
    previewOption_->setCheckable(true);
    previewOption_->setChecked(QSettings(kSettingsOrganisation, kSettingsApplication)
                                   .value(kPreviewSetting, true)
                                   .toBool());
    connect(previewOption_, &QAction::toggled, this, [this](bool on) {
        QSettings(kSettingsOrganisation, kSettingsApplication).setValue(kPreviewSetting, on);
        refreshBoardOverlay();
    });

    mnuHelp_ = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp_->setObjectName("mnuHelp");
    item = mnuHelp_->addAction(QStringLiteral("How To &Play"));
    item->setObjectName("mnuHelpItem1");
    item->setShortcut(QKeySequence(Qt::Key_F1));
    connect(item, &QAction::triggered, this, [this] { mnuHelpItem_Click(1); });
    item = mnuHelp_->addAction(QStringLiteral("Show High Scores"));
    item->setObjectName("mnuHelpItem2");
    connect(item, &QAction::triggered, this, [this] { mnuHelpItem_Click(2); });
    mnuHelp_->addSeparator()->setObjectName("mnuHelpItem3");
    item = mnuHelp_->addAction(QStringLiteral("&About"));
    item->setObjectName("mnuHelpItem4");
    connect(item, &QAction::triggered, this, [this] { mnuHelpItem_Click(4); });
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
    platform_->Randomize();
    centreOnScreen();
    game_->LoadShapes();
    game_->ResetLabels();
    // The cell pictures are read now rather than at the first game's first paint, so that no
    // file is opened while the player plays. One that cannot be read is reported when it is
    // first shown, as before.
    const std::string folder = platform_->programFolder();
    for (const char* cell :
         {kGridEmptyFile, kGridFilledFile, kPreviewEmptyFile, kPreviewFilledFile}) {
        platform_->pictures().picture(QString::fromStdString(pathInFolder(folder, cell)),
                                      devicePixelRatio());
    }
}

void frmMain::centreOnScreen() {
    // The outer size, frame, caption and menu bar included: top first, then left.
    adjustSize();
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    const int top = static_cast<int>(std::lround(screenArea.height() / 2.0 - outer.height() / 2.0));
    move(frameGeometry().left(), screenArea.top() + top);
    const int left = static_cast<int>(std::lround(screenArea.width() / 2.0 - outer.width() / 2.0));
    move(screenArea.left() + left, frameGeometry().top());
}

void frmMain::mnuFileItem_Click(int index) {
    switch (index) {
        case 1:
            play([this] {
                cursor_ = kCentreCell;
                keysInUse_ = false;
                game_->NewGame();
            });
            break;
        case 3:
            if (game_->blnInGame &&
                platform_->messageBox(kExitQuestion, kExitTitle, BoxIcon::Question,
                                      BoxButtons::YesNo) != BoxAnswer::Yes) {
                return;
            }
            endProgram();
            break;
        default:
            break;
    }
}

void frmMain::mnuHelpItem_Click(int index) {
    const BoardBlocked blocked(*this);
    switch (index) {
        case 1:
            showModal(new frmHelp(this));
            break;
        case 2:
            platform_->showScoresWindow();
            break;
        case 4:
            showModal(
                new frmAbout(*game_, QString::fromStdString(platform_->programFolder()), this));
            break;
        default:
            break;
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at once, even during a game.
    event->accept();
    endProgram();
}

template <typename Handler>
void frmMain::play(Handler handler) {
    handler();
    refreshBoardOverlay();
}

void frmMain::refreshBoardOverlay() {
    // The cursor shows during a game once the keys have been used on the board, until the pointer
    // is used there again; the preview also needs a board at rest and the option on.
    const bool playing = game_->blnInGame && blocked_ == 0;
    const int pointed = keysInUse_ ? cursor_ : pointerCell_;
    PlacementView view;
    if (playing && !game_->blnClearing && previewOption_->isChecked() && pointed != 0) {
        view = game_->placementAt(pointed);
    }
    overlay_->setState(view.cells, playing && keysInUse_ ? cursor_ : 0);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int row = (cursor_ - 1) / 5;
    const int column = (cursor_ - 1) % 5;
    int target = cursor_;  // the cell the cursor moves to; it stops at the board's edges
    switch (plain ? event->key() : 0) {
        case Qt::Key_Left:
            target -= column > 0 ? 1 : 0;
            break;
        case Qt::Key_Right:
            target += column < 4 ? 1 : 0;
            break;
        case Qt::Key_Up:
            target -= row > 0 ? 5 : 0;
            break;
        case Qt::Key_Down:
            target += row < 4 ? 5 : 0;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // A held key places one piece, not the next ones, which the player has not seen.
            if (!event->isAutoRepeat()) {
                keysInUse_ = true;
                play([this] { game_->picGrid_Click(cursor_); });
            }
            return;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    if (game_->blnInGame) {
        cursor_ = target;
        keysInUse_ = true;
        refreshBoardOverlay();
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::Leave) {
        for (int n = 1; n <= kBoardCells; ++n) {
            if (watched != picGrid_[n]) {
                continue;
            }
            if (type != QEvent::Leave) {
                // The pointer moved over the board: the board is the pointer's again. A cell that
                // turns up under a pointer at rest (a window shown or closed over it) is no move.
                const QPointF at = type == QEvent::Enter
                                       ? static_cast<QEnterEvent*>(event)->globalPosition()
                                       : static_cast<QMouseEvent*>(event)->globalPosition();
                if (pointerSeen_ && at != pointerAt_) {
                    keysInUse_ = false;
                }
                pointerAt_ = at;
                pointerSeen_ = true;
                pointerCell_ = n;
            } else if (pointerCell_ == n) {
                pointerCell_ = 0;
            }
            refreshBoardOverlay();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

frmMain::BoardBlocked::BoardBlocked(frmMain& window) : window_(window) {
    ++window_.blocked_;
    window_.refreshBoardOverlay();
}

frmMain::BoardBlocked::~BoardBlocked() {
    --window_.blocked_;
    window_.refreshBoardOverlay();
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
