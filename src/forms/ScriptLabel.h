// The main window's two labels, in the script face without a font: each line of the text is
// spelt with the lettering pictures (Lettering.h).
#pragma once

#include <QHash>
#include <QLabel>
#include <QList>
#include <QPixmap>

namespace fitzel {

class ScriptLabel : public QLabel {
  public:
    explicit ScriptLabel(QWidget* parent);

  protected:
    // Lines from the top, each centred; a line with a character that has no picture (which the
    // game never shows) is drawn with the font itself.
    void paintEvent(QPaintEvent* event) override;

  private:
    // The pictures that spell `line` (a word of its own, else each character), or none when a
    // character has no picture.
    QList<QPixmap> spell(const QString& line);
    // The glyph's picture named `name`, read on first use; null when it cannot be read.
    QPixmap glyph(const QString& name);

    QHash<QString, QPixmap> glyphs_;
};

}  // namespace fitzel
