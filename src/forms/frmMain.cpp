// The main window: lays out the controls, routes menus, clicks and ticks to the game.
#include "forms/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <utility>

#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "game/modGeneral.h"
#include "platform/QtPlatform.h"

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

const QColor kBackground(255, 224, 192);
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

constexpr char kExitQuestion[] = "A game is still in progress! Are you sure you want to exit?     ";
constexpr char kExitTitle[] = "Fitzel! - Exit?";

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
        drawBorder(painter, kFramPieces, kPanelBorder);
        drawBorder(painter, kFramGrid, kFrameRed);
        drawBorder(painter, kFramEGGrid, kFrameRed);
    }

  private:
    // A border kFrameWidth pixels wide, inside the rectangle.
    static void drawBorder(QPainter& painter, const QRect& r, const QColor& colour) {
        const int w = kFrameWidth;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
    }
};

// "Brush Script MT" where the system has it; else a script face of about the same size.
QFont labelFont() {
    QFont font;
    if (QFontDatabase::families().contains(QStringLiteral("Brush Script MT"))) {
        font.setFamily(QStringLiteral("Brush Script MT"));
        font.setPointSizeF(20.25);
        font.setItalic(true);
    } else {
        font.setFamily(QStringLiteral("Dancing Script"));
        font.setPointSizeF(20);
    }
    font.setBold(true);
    return font;
}

// Opens one of the secondary windows modally over the main window and waits for it to close.
// A window that deletes itself on closing is not deleted twice.
template <typename Window>
void showModal(Window* window) {
    QPointer<Window> guard(window);
    guard->exec();
    delete guard.data();
}

}  // namespace

// --- PictureBox ---

PictureBox::PictureBox(QWidget* parent, bool fixedSize) : QLabel(parent), fixedSize_(fixedSize) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
}

void PictureBox::showPicture(const QPixmap& picture) {
    setPixmap(picture);
    if (!fixedSize_) {
        resize(picture.size());
    }
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
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

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
        connect(picGrid_[n], &PictureBox::clicked, this, [this, n] { game_->picGrid_Click(n); });
    }
    connect(btnSkip_, &QPushButton::clicked, this, [this] { game_->btnSkip_Click(); });
    for (int t = 0; t < kTimerCount; ++t) {
        const auto id = static_cast<TimerId>(t);
        connect(timers_[t], &QTimer::timeout, this, [this, id] { game_->onTimer(id); });
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
        pic->setAutoFillBackground(true);
        QPalette palette = pic->palette();
        palette.setColor(QPalette::Window, kCellGrey);
        pic->setPalette(palette);
        picPieces_[k] = pic;
    }

    const QPixmap boardCell(QStringLiteral(":/cell_board.png"));
    for (int n = 1; n <= 25; ++n) {
        const int row = (n - 1) / 5;
        const int column = (n - 1) % 5;
        auto* pic = new PictureBox(client_);
        pic->setObjectName(QStringLiteral("picGrid%1").arg(n));
        pic->move(px(120 + 585 * column), px(3840 + 570 * row));
        pic->resize(px(585), px(570));
        pic->showPicture(boardCell);
        picGrid_[n] = pic;
    }

    const QPixmap previewCell(QStringLiteral(":/cell_preview.png"));
    for (int n = 1; n <= 9; ++n) {
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        const bool key = n == 5;
        auto* pic = new PictureBox(client_, key);
        pic->setObjectName(QStringLiteral("picEG%1").arg(n));
        if (key) {
            // The key square: its own place and size, a grey ground and a single-line border.
            pic->setGeometry(px(3780), px(4290), px(480), px(465));
            pic->setFrameStyle(QFrame::Box | QFrame::Plain);
            pic->setLineWidth(1);
            pic->setAutoFillBackground(true);
            QPalette palette = pic->palette();
            palette.setColor(QPalette::Window, kCellGrey);
            palette.setColor(QPalette::WindowText, Qt::black);
            pic->setPalette(palette);
        } else {
            pic->move(px(3345 + 450 * column), px(3840 + 450 * row));
            pic->resize(px(450), px(450));
        }
        pic->showPicture(previewCell);
        picEG_[n] = pic;
    }

    const QFont font = labelFont();
    auto makeLabel = [this, &font](const char* name, int top) {
        auto* label = new QLabel(client_);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(px(3240), px(top), px(1620), px(1005));
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(false);
        return label;
    };
    lblTimeRemaining_ = makeLabel("lblTimeRemaining", 5520);
    lblScore_ = makeLabel("lblScore", 6720);

    btnSkip_ = new QPushButton(client_);
    btnSkip_->setObjectName("btnSkip");
    btnSkip_->setGeometry(px(960), px(7080), px(1170), px(585));
    btnSkip_->setIcon(QIcon(QStringLiteral(":/skip.png")));
    btnSkip_->setIconSize(QSize(78, 38));
    btnSkip_->setToolTip(QString());
}

void frmMain::buildMenus() {
    mnuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName("mnuFile");
    QAction* item = mnuFile_->addAction(QStringLiteral("&New"));
    item->setObjectName("mnuFileItem1");
    connect(item, &QAction::triggered, this, [this] { mnuFileItem_Click(1); });
    mnuFile_->addSeparator()->setObjectName("mnuFileItem2");
    item = mnuFile_->addAction(QStringLiteral("E&xit"));
    item->setObjectName("mnuFileItem3");
    connect(item, &QAction::triggered, this, [this] { mnuFileItem_Click(3); });

    mnuHelp_ = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp_->setObjectName("mnuHelp");
    item = mnuHelp_->addAction(QStringLiteral("How To &Play"));
    item->setObjectName("mnuHelpItem1");
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
            game_->NewGame();
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
