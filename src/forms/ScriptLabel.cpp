// The main window's labels: text spelt with pictures of the script face.
#include "forms/ScriptLabel.h"

#include <QPainter>
#include <algorithm>

#include "forms/Lettering.h"
#include "forms/Pictures.h"

namespace fitzel {

namespace L = lettering;

ScriptLabel::ScriptLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void ScriptLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int top = 0;
    for (const QString& line : text().split(QLatin1Char('\n'))) {
        const QList<QPixmap> pictures = spell(line);
        if (pictures.isEmpty()) {
            QFont font(QString::fromLatin1(L::kFamily));
            font.setBold(true);
            font.setPixelSize(L::kPixelSize);
            painter.setFont(font);
            painter.drawText(QRect(0, top, width(), L::kLineHeight), Qt::AlignHCenter, line);
        } else {
            // Each picture overlaps its neighbours by the blank margins where a stroke may
            // reach across; being ink alone (see glyph), it leaves their strokes showing.
            QList<int> advances;
            int lineWidth = 0;
            for (const QPixmap& picture : pictures) {
                advances.append(qRound(picture.deviceIndependentSize().width()) - 2 * L::kPad);
                lineWidth += advances.back();
            }
            int x = (width() - lineWidth) / 2 - L::kPad;
            for (qsizetype i = 0; i < pictures.size(); ++i) {
                painter.drawPixmap(x, top, pictures[i]);
                x += advances[i];
            }
        }
        top += L::kLineHeight;
    }
}

QList<QPixmap> ScriptLabel::spell(const QString& line) {
    const auto nameOf = [](const QString& text) -> QString {
        for (const L::Glyph& glyph : L::kGlyphs) {
            if (text == QLatin1String(glyph.text)) {
                return QString::fromLatin1(glyph.name);
            }
        }
        return {};
    };
    QStringList names;
    if (const QString word = nameOf(line); !word.isEmpty()) {
        names.append(word);
    } else {
        for (const QChar c : line) {
            names.append(nameOf(QString(c)));
        }
    }
    QList<QPixmap> pictures;
    for (const QString& name : names) {
        const QPixmap picture = name.isEmpty() ? QPixmap() : glyph(name);
        if (picture.isNull()) {
            return {};
        }
        pictures.append(picture);
    }
    return pictures;
}

QPixmap ScriptLabel::glyph(const QString& name) {
    if (const auto found = glyphs_.constFind(name); found != glyphs_.constEnd()) {
        return *found;
    }
    const PictureFile file =
        pictureFileFor(QStringLiteral(":/lettering/%1.bmp").arg(name), devicePixelRatioF());
    // The pictures are black ink on the window's ground: how far a pixel's red falls below the
    // ground's tells how much ink covers it. Kept as ink alone, the ground left out.
    const QImage drawn = readPicture(file.path).value;
    QImage ink(drawn.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int cover =
                (L::kGroundRed - std::min(qRed(in[x]), L::kGroundRed)) * 255 / L::kGroundRed;
            out[x] = qRgba(0, 0, 0, cover);
        }
    }
    QPixmap picture = QPixmap::fromImage(ink);
    picture.setDevicePixelRatio(file.ratio);
    glyphs_.insert(name, picture);
    return picture;
}

}  // namespace fitzel
