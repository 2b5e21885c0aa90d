#include "DrillPictures.h"

#include "Blossom.h"
#include "ButtonFace.h"
#include "Canvas.h"
#include "FontPicker.h"
#include "Lettering.h"
#include "MarkPictures.h"
#include "Palette.h"
#include "TrackPictures.h"
#include "TransparentKey.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

using Format = PictureRecipe::Format;

QImage wallpaper(int scale)
{
    const QSize size(750, 523);
    QImage image = Canvas::filled(size, Qt::white, scale);
    QPainter p(&image);
    Canvas::scaleTo(p, scale);
    // Blossoms on a staggered grid, each turned a little differently so the wall does not look stamped.
    const int step = 62;
    int row = 0;
    for (int y = 20; y < size.height() + step; y += step / 2 + 6, ++row) {
        const int shift = (row % 2) ? step / 2 : 0;
        for (int x = 10 + shift; x < size.width() + step; x += step) {
            const double turn = std::fmod(x * 7.0 + y * 13.0, 72.0);
            drawBlossom(p, QPointF(x, y), 13.0, turn);
        }
    }
    return image;
}

QImage halving(int scale)
{
    const QSize size(395, 42);
    QImage image = Canvas::filled(size, QColor(0xE0, 0x08, 0x14), scale);
    QPainter p(&image);
    Canvas::scaleTo(p, scale);
    QLinearGradient red(0, 0, 0, size.height());
    red.setColorAt(0.0, QColor(0xF4, 0x2C, 0x34));
    red.setColorAt(1.0, QColor(0xC0, 0x00, 0x0C));
    p.fillRect(QRect(QPoint(0, 0), size), red);
    const QImage letters = Lettering::fitted(QStringLiteral("得点が半分になります"), Qt::white, 380, 30, scale);
    Lettering::drawCentred(p, QRect(QPoint(0, 0), size), letters, scale);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage scorebox(int scale)
{
    QImage image = Canvas::filled(QSize(130, 45), Qt::black, scale);
    QPainter p(&image);
    Canvas::scaleTo(p, scale);
    Canvas::frame(p, QRect(0, 0, 130, 45), QColor(0x70, 0x70, 0x78));
    const QImage ten = Lettering::fitted(QStringLiteral("点"), Qt::white, 28, 30, scale);
    // The score itself is drawn by the program left of this; keep x 0..97 free.
    Lettering::drawCentred(p, QRect(98, 0, 30, 45), ten, scale);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

// White label at the left, then an empty framed field ending at `fieldRight`.
QImage labelledBox(QSize size, const QString& label, int fieldRight, int scale)
{
    QImage image = Canvas::filled(size, Palette::fieldBlue, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    Canvas::scaleTo(p, scale);
    Canvas::frame(p, QRect(QPoint(80, 0), QPoint(fieldRight, size.height() - 1)), Qt::white);
    const QImage letters = Lettering::fitted(label, Qt::white, 72, 30, scale);
    Lettering::drawCentred(p, QRect(2, 0, 76, size.height()), letters, scale);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage sampleChoices(int scale)
{
    const QSize size(578, 113);
    QImage image = Canvas::clear(size, scale);
    QPainter p(&image);
    const int s = scale; // the places below are in device pixels
    const QStringList rows = {QStringLiteral("たべます"), QStringLiteral("たべて"), QStringLiteral("たべた"),
                              QStringLiteral("たべる")};
    const QFont font = FontPicker::mincho(20);
    for (int i = 0; i < rows.size(); ++i) {
        const int centreY = (15 + 28 * i) * s;
        Lettering::Style white;
        const QImage digit = Lettering::ink(QString::number(i + 1), font, white, s);
        const QImage dot = Lettering::ink(QStringLiteral("."), font, white, s);
        const QPoint digitAt(13 * s - digit.width() / 2, centreY - digit.height() / 2);
        Lettering::drawAt(p, digitAt, digit);
        Lettering::drawAt(p, QPoint(digitAt.x() + digit.width() + s, digitAt.y() + digit.height() - dot.height()), dot);
        const QImage text = Lettering::ink(rows[i], font, white, s);
        Lettering::drawAt(p, QPoint(40 * s, centreY - text.height() / 2), text);
    }
    p.end();
    return keyTransparent(image, Palette::greyKey, Palette::navy, 40);
}

PictureRecipe gif(const QString& path, QSize size, std::optional<QRgb> key, std::function<QImage(int)> draw)
{
    return PictureRecipe{path, Format::Gif, size, key, std::move(draw)};
}

} // namespace

QList<PictureRecipe> drillPictures()
{
    QList<PictureRecipe> list;
    list << PictureRecipe{QStringLiteral("drill/background.bmp"), Format::Bmp24, QSize(750, 523), {}, wallpaper};
    list << PictureRecipe{QStringLiteral("drill/board.bmp"), Format::Bmp8, QSize(640, 460), {}, TrackPictures::board};
    list << gif(QStringLiteral("drill/train.gif"), QSize(180, 84), {}, TrackPictures::trainCar);
    list << gif(QStringLiteral("drill/burst.gif"), QSize(85, 84), {}, TrackPictures::burstBalloon);
    list << gif(QStringLiteral("drill/correct.gif"), QSize(199, 195), Palette::greyKey, MarkPictures::correct);
    list << gif(QStringLiteral("drill/wrong.gif"), QSize(211, 207), Palette::greyKey, MarkPictures::wrong);
    list << gif(QStringLiteral("drill/ring.gif"), QSize(40, 40), Palette::blackKey, MarkPictures::ring);
    list << gif(QStringLiteral("drill/bonus.gif"), QSize(282, 100), Palette::whiteKey, MarkPictures::bonus);
    list << gif(QStringLiteral("drill/pass.gif"), QSize(342, 113), Palette::whiteKey, MarkPictures::pass);
    list << PictureRecipe{QStringLiteral("drill/halving.bmp"), Format::Bmp24, QSize(395, 42), {}, halving};
    list << PictureRecipe{QStringLiteral("drill/scorebox.bmp"), Format::Bmp8, QSize(130, 45), {}, scorebox};
    list << gif(QStringLiteral("drill/runbox.gif"), QSize(140, 45), {},
                [](int scale) { return labelledBox(QSize(140, 45), QStringLiteral("連続"), 136, scale); });
    list << gif(QStringLiteral("drill/answerbox.gif"), QSize(261, 45), {},
                [](int scale) { return labelledBox(QSize(261, 45), QStringLiteral("解答"), 257, scale); });
    for (int n = 1; n <= 4; ++n) {
        list << gif(QStringLiteral("drill/choice%1.gif").arg(n), QSize(38, 43), {},
                    [n](int scale) { return redButtonFace(QSize(38, 43), QString::number(n), 28, scale); });
    }
    list << PictureRecipe{QStringLiteral("drill/next.bmp"), Format::Bmp8, QSize(58, 45), {},
                        [](int scale) { return redButtonFace(QSize(58, 45), QStringLiteral("次"), 30, scale); }};
    list << gif(QStringLiteral("drill/end.gif"), QSize(72, 29), {},
                [](int scale) { return redButtonFace(QSize(72, 29), QStringLiteral("終了"), 19, scale); });
    list << gif(QStringLiteral("drill/return.gif"), QSize(72, 29), {},
                [](int scale) { return redButtonFace(QSize(72, 29), QStringLiteral("戻る"), 19, scale); });
    list << gif(QStringLiteral("drill/settings.gif"), QSize(72, 29), {},
                [](int scale) { return redButtonFace(QSize(72, 29), QStringLiteral("設定"), 19, scale); });
    list << gif(QStringLiteral("drill/sample-choices.gif"), QSize(578, 113), Palette::greyKey, sampleChoices);
    return list;
}
