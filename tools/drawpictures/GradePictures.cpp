#include "GradePictures.h"

#include "ButtonFace.h"
#include "Canvas.h"
#include "FontPicker.h"
#include "GradeButtonFace.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

using Format = PictureRecipe::Format;

// A filled arrowhead 20 px wide, symmetric about the shaft (x 247..248), tip at `tipY`.
void arrowHead(QPainter& p, int tipY, int direction)
{
    const int length = 14;
    for (int k = 0; k < length; ++k) {
        const int halfWidth = 1 + (k * 9 + length / 2) / (length - 1); // 1 at the tip .. 10 at the base
        const int y = tipY + direction * k;
        p.fillRect(QRect(248 - std::min(halfWidth, 10), y, 2 * std::min(halfWidth, 10), 1), Qt::white);
    }
}

QImage ladder(int scale)
{
    QImage image(QSize(283, 440) * scale, QImage::Format_RGB32);
    image.fill(Palette::darkBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    Canvas::scaleTo(p, scale);
    const QRect column(QPoint(60, 24), QPoint(222, 374));
    p.fillRect(column, Palette::fieldBlue);
    Canvas::frame(p, column, Qt::white);
    for (int y = 74; y <= 324; y += 50)
        p.fillRect(QRect(60, y, 163, 1), Qt::white);

    // Double-headed arrow from "easy" at the bottom to "hard" at the top.
    p.fillRect(QRect(QPoint(247, 74), QPoint(248, 329)), Qt::white);
    arrowHead(p, 74, +1);
    arrowHead(p, 329, -1);

    const QImage hard = Lettering::fitted(QStringLiteral("難"), Qt::white, 28, 26, scale);
    const QImage easy = Lettering::fitted(QStringLiteral("易"), Qt::white, 28, 26, scale);
    Lettering::drawCentred(p, QRect(QPoint(236, 35), QPoint(263, 60)), hard, scale);
    Lettering::drawCentred(p, QRect(QPoint(236, 338), QPoint(263, 363)), easy, scale);
    return image;
}

// The same face and lettering as the plain buttons bunpo-bank draws into title/, which take
// this one's place at the first pointer movement.
QImage gradeButton(const QString& text, int scale)
{
    Lettering::requireGlyphs(FontPicker::mincho(GradeButtonFace::LargestPixels), text);
    return GradeButtonFace::draw(GradeButtonFace::minchoOutline(text), false, scale);
}

QImage mark(int scale)
{
    QImage image(QSize(58, 37) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Palette::darkBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas::scaleTo(p, scale);
    QPainterPath arrow;
    arrow.moveTo(4, 12);
    arrow.lineTo(30, 12);
    arrow.lineTo(30, 4);
    arrow.lineTo(54, 18.5);
    arrow.lineTo(30, 33);
    arrow.lineTo(30, 25);
    arrow.lineTo(4, 25);
    arrow.closeSubpath();
    QLinearGradient red(0, 4, 0, 33);
    red.setColorAt(0.0, QColor(0xFF, 0x40, 0x40));
    red.setColorAt(1.0, QColor(0xC8, 0x00, 0x10));
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(red);
    p.drawPath(arrow);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

PictureRecipe gif(const QString& path, QSize size, std::function<QImage(int)> draw)
{
    return PictureRecipe{path, Format::Gif, size, {}, std::move(draw)};
}

} // namespace

QList<PictureRecipe> gradePictures()
{
    QList<PictureRecipe> list;
    list << PictureRecipe{QStringLiteral("grade/ladder.bmp"), Format::Bmp8, QSize(283, 440), {}, ladder};
    const QStringList names = {QStringLiteral("４級－１"), QStringLiteral("４級－２"), QStringLiteral("４級－３"),
                               QStringLiteral("３級－１"), QStringLiteral("３級－２"), QStringLiteral("３級－３"),
                               QStringLiteral("３級－４")};
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i];
        list << gif(QStringLiteral("grade/grade%1.gif").arg(i + 1), QSize(163, 51),
                    [name](int scale) { return gradeButton(name, scale); });
    }
    list << PictureRecipe{QStringLiteral("grade/mark.bmp"), Format::Bmp8, QSize(58, 37), {}, mark};
    list << gif(QStringLiteral("grade/cancel.gif"), QSize(88, 28),
                [](int scale) { return redButtonFace(QSize(88, 28), QStringLiteral("取消"), 19, scale); });
    list << gif(QStringLiteral("grade/decide.gif"), QSize(88, 28),
                [](int scale) { return redButtonFace(QSize(88, 28), QStringLiteral("決定"), 19, scale); });
    return list;
}
