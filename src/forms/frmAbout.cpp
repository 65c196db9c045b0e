// The About window: its texts and icon, the web link, and the System Info button.
#include "forms/frmAbout.h"

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "forms/BrokenDataFile.h"
#include "forms/Pictures.h"
#include "forms/SmallWindow.h"
#include "forms/SmallWindowLayout.h"
#include "forms/SystemInfo.h"
#include "game/DataFiles.h"
#include "game/modGeneral.h"

namespace fitzel {

namespace {

const QColor kLinkColour(0, 0, 255);
const QColor kLinkPressedColour(0, 0, 128);

QLabel* label(QWidget* parent, const QString& name, const Twips& place) {
    auto* created = new QLabel(parent);
    created->setObjectName(name);
    created->setTextFormat(Qt::PlainText);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    created->setWordWrap(true);
    created->setGeometry(place.pixels());
    return created;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const Twips& place) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(name);
    created->setGeometry(place.pixels());
    return created;
}

}  // namespace

const QString frmAbout::kWebBase = QStringLiteral("https://www.example.com/");

frmAbout::frmAbout(modGeneral& game, const QString& programFolder, QWidget* owner,
                   Registry& registry, SystemServices& services)
    : SmallWindow(owner),
      game_(game),
      programFolder_(programFolder),
      registry_(registry),
      services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Fitzel! - About."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::about::kWindow.pixels().size());

    cmdOK = button(this, QStringLiteral("cmdOK"), tr("OK"), layout::about::kOK);
    // The default button (Enter) and the cancel button (Escape).
    cmdOK->setDefault(true);
    setEscapeCloses(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameShape(QFrame::NoFrame);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setGeometry(layout::about::kIcon.pixels());

    cmdSysInfo =
        button(this, QStringLiteral("cmdSysInfo"), tr("&System Info..."), layout::about::kSysInfo);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    lblDescription = label(this, QStringLiteral("lblDescription"), layout::about::kDescription);
    lblDisclaimer = label(this, QStringLiteral("lblDisclaimer"), layout::about::kDisclaimer);
    lblTitle = label(this, QStringLiteral("lblTitle"), layout::about::kTitle);
    lblVersion = label(this, QStringLiteral("lblVersion"), layout::about::kVersion);

    lblWeb = label(this, QStringLiteral("lblWeb"), layout::about::kWeb);
    QFont webFont(QStringLiteral("MS Sans Serif"));
    webFont.setStyleHint(QFont::SansSerif);
    webFont.setPointSizeF(8.25);
    webFont.setUnderline(true);
    lblWeb->setFont(webFont);
    // The pointer turns into the pointing hand over it, as over any link.
    lblWeb->setCursor(Qt::PointingHandCursor);
    setWebColour(kLinkColour);
    lblWeb->installEventFilter(this);

    Line1[1] = {layout::about::kLineGrey.from.pixels(), layout::about::kLineGrey.to.pixels(),
                QColor(128, 128, 128), 1};
    Line1[0] = {layout::about::kLineWhite.from.pixels(), layout::about::kLineWhite.to.pixels(),
                QColor(255, 255, 255), 2};

    Form_Load();
}

void frmAbout::Form_Load() {
    const QString iconPath =
        QString::fromStdString(pathInFolder(programFolder_.toStdString(), piecePictureFile(10)));
    const Read<QPixmap> icon = loadIconCell(iconPath);
    if (icon.fault) {
        reportBrokenDataFile(parentWidget(), iconPath, QString::fromStdString(*icon.fault));
    }
    picIcon->setPixmap(icon.value);
    picIcon->resize(icon.value.size());

    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(FITZEL_VERSION_MAJOR)
                            .arg(FITZEL_VERSION_MINOR)
                            .arg(FITZEL_VERSION_REVISION));
    lblTitle->setText(tr("Fitzel!"));
    lblDescription->setText(
        tr("Fitzel!  A game with 'Quadrel' style pieces that you must fit into a grid to create "
           "blocks!"));
    lblDisclaimer->setText(tr("Copyright \u00A9 2026 The Fitzel developers"));
    lblWeb->setText(kWebBase + QStringLiteral("Fitzel"));
}

Read<QPixmap> frmAbout::loadIconCell(const QString& path) {
    const Read<QImage> picture = readPicture(path);
    if (picture.fault) {
        return {QPixmap(), picture.fault};
    }
    const QPixmap cell = cutIntoThirds(QPixmap::fromImage(picture.value))[0];
    if (cell.isNull()) {
        return {QPixmap(), tr("The picture is too narrow to hold three cells.").toStdString()};
    }
    return {cell, std::nullopt};
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const LineElement& line : Line1) {
        painter.fillRect(line.from.x(), line.from.y(), line.to.x() - line.from.x(), line.width,
                         line.colour);
    }
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblWeb) {
        if (event->type() == QEvent::MouseButtonPress) {
            lblWeb_MouseDown();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            lblWeb_MouseUp();
            // A click is the left button let go over the label.
            if (mouse->button() == Qt::LeftButton &&
                lblWeb->rect().contains(mouse->position().toPoint())) {
                lblWeb_Click();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::setWebColour(const QColor& colour) {
    QPalette palette = lblWeb->palette();
    palette.setColor(QPalette::WindowText, colour);
    lblWeb->setPalette(palette);
}

void frmAbout::lblWeb_MouseDown() {
    setWebColour(kLinkPressedColour);
}

void frmAbout::lblWeb_MouseUp() {
    setWebColour(kLinkColour);
}

void frmAbout::lblWeb_Click() {
    game_.OpenWebPage("open", lblWeb->text().toStdString());
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    if (startSystemInfo(registry_, services_)) {
        QMessageBox box(QMessageBox::NoIcon, windowTitle(),
                        tr("System Information is unavailable at this time.     "), QMessageBox::Ok,
                        this);
        box.exec();
    }
}

}  // namespace fitzel
