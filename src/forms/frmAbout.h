// The About window: the game's name, version and description, a web link and System Info.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <array>

#include "forms/Registry.h"
#include "forms/SmallWindow.h"
#include "forms/SystemServices.h"
#include "platform/Platform.h"

class QLabel;
class QPaintEvent;
class QPushButton;

namespace fitzel {

class modGeneral;

class frmAbout : public SmallWindow {
    Q_OBJECT

  public:
    // Loads the icon from programFolder at once; a picture that cannot be loaded ends the
    // program (like any data file). The registry and the system services default to the
    // machine's own. Centres itself on the screen when first shown.
    frmAbout(modGeneral& game, const QString& programFolder, QWidget* owner,
             Registry& registry = systemRegistry(), SystemServices& services = qtSystemServices());

    // The maker's web site; the link shows it followed by "Fitzel".
    static const QString kWebBase;

    // Starts the system-information program found in the registry (see startSystemInfo), or
    // tells the player that it is unavailable.
    void StartSysInfo();

    // Cell 0 of the picture at path: the picture is one row of three equal cells. A null
    // pixmap and the fault when it cannot be read.
    static Read<QPixmap> loadIconCell(const QString& path);

    // The etched separator: element 1 grey above, element 0 white below.
    struct LineElement {
        QPoint from;
        QPoint to;  // the end point itself is not drawn
        QColor colour;
        int width;  // in pixels, growing downwards from the line
    };
    std::array<LineElement, 2> Line1;

    // Created in tab order.
    QPushButton* cmdOK = nullptr;
    QLabel* picIcon = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblWeb = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblWeb_MouseDown();
    void lblWeb_MouseUp();
    void lblWeb_Click();
    void setWebColour(const QColor& colour);

    modGeneral& game_;
    QString programFolder_;
    Registry& registry_;
    SystemServices& services_;
};

}  // namespace fitzel
