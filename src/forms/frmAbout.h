// The About window: the game's name, version and description, a web link and System Info.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include "forms/SmallWindow.h"

#include <array>
#include <string>

#include "forms/Registry.h"
#include "forms/SystemServices.h"

class QLabel;
class QPaintEvent;
class QPixmap;
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

    // Reads value SubKeyRef of key KeyName below KeyRoot into KeyVal. Returns false, with
    // KeyVal emptied, when the key or the value cannot be read. A text value is taken in full,
    // less one closing zero byte. A number value is written as "&h" followed by what KeyVal
    // held and the value's bytes in hexadecimal, two digits each, from the last to the first
    // (after the same closing-zero cut). A value of any other type leaves KeyVal as it was.
    // Throws std::out_of_range when the registry reports a size of 0 or more than the buffer.
    bool GetKeyValue(RegistryRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

    // Starts the system-information program found in the registry, or tells the player that
    // it is unavailable.
    void StartSysInfo();

    // Cuts cell 0 of the picture at path into `cell`: the picture is one row of three equal
    // cells. Returns an empty text, or the fault in words.
    static QString loadIconCell(const QString& path, QPixmap& cell);

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
