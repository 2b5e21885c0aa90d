#include "MenuPictures.h"

#include "Blossom.h"
#include "ButtonFace.h"
#include "Canvas.h"
#include "FontPicker.h"
#include "Lettering.h"
#include "Palette.h"
#include "SeededRandom.h"
#include "TransparentKey.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

using Format = PictureSpec::Format;

const QColor titleYellow(0xFF, 0xE4, 0x1C);
// The sky where the title and the grade range stand, to soften their edges against it.
const QColor upperSky(0x10, 0x2C, 0x80);

// The cone of the volcano: concave flanks rising to a flat, slightly dented summit.
QPainterPath mountainOutline(double scale)
{
    QPainterPath path;
    auto pt = [scale](double x, double y) { return QPointF(x * scale, y * scale); };
    path.moveTo(pt(-20, 420));
    path.cubicTo(pt(150, 360), pt(270, 250), pt(330, 128));
    path.lineTo(pt(352, 118));
    path.lineTo(pt(372, 124));
    path.lineTo(pt(392, 116));
    path.lineTo(pt(418, 122));
    path.cubicTo(pt(480, 250), pt(600, 350), pt(780, 405));
    path.lineTo(pt(780, 523));
    path.lineTo(pt(-20, 523));
    path.closeSubpath();
    return path;
}

QPainterPath snowCap(double scale, SeededRandom& random)
{
    // Everything above a softly wavering snow line, plus narrow tongues of snow running down
    // the gullies, longest near the middle. The caller clips it to the mountain.
    auto pt = [scale](double x, double y) { return QPointF(x * scale, y * scale); };
    const double left = 250, right = 500, middle = 374;
    auto snowLine = [&](double x) {
        const double t = (x - middle) / (right - middle);
        return 186 + 58 * t * t;
    };
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(pt(left, 90));
    path.lineTo(pt(right, 90));
    for (double x = right; x >= left; x -= 10)
        path.lineTo(pt(x, snowLine(x) + random.range(-5, 5)));
    path.closeSubpath();

    const QPointF summit(middle, 112);
    for (int i = 0; i < 34; ++i) {
        const double x = random.range(272, 478);
        const QPointF start(x, snowLine(x) - 6);
        QPointF along = start - summit;
        along /= std::hypot(along.x(), along.y());
        const QPointF across(-along.y(), along.x());
        const double nearMiddle = 1.0 - std::min(1.0, std::abs(x - middle) / (right - middle));
        const double length = random.range(8, 22) + random.range(0, 46) * nearMiddle;
        const double width = random.range(2.5, 6.5);
        const QPointF tip = start + along * length + across * random.range(-3, 3);
        QPainterPath tongue;
        tongue.moveTo(pt(start.x() - across.x() * width, start.y() - across.y() * width));
        tongue.quadTo(pt(start.x() + along.x() * length * 0.6 - across.x() * width * 0.5,
                         start.y() + along.y() * length * 0.6 - across.y() * width * 0.5),
                      pt(tip.x(), tip.y()));
        tongue.quadTo(pt(start.x() + along.x() * length * 0.6 + across.x() * width * 0.5,
                         start.y() + along.y() * length * 0.6 + across.y() * width * 0.5),
                      pt(start.x() + across.x() * width, start.y() + across.y() * width));
        tongue.closeSubpath();
        path.addPath(tongue);
    }
    return path.simplified();
}

void drawMountainScene(QPainter& p, QSize size, double scale)
{
    const double w = size.width(), h = size.height();
    SeededRandom random(7505230);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Deep blue sky, paler towards the horizon.
    QLinearGradient sky(0, 0, 0, 380 * scale);
    sky.setColorAt(0.0, QColor(0x06, 0x16, 0x58));
    sky.setColorAt(0.45, QColor(0x14, 0x3C, 0x9C));
    sky.setColorAt(0.85, QColor(0x4C, 0x84, 0xD0));
    sky.setColorAt(1.0, QColor(0x90, 0xB8, 0xE4));
    p.fillRect(QRectF(0, 0, w, h), sky);

    // A few thin high clouds, painted in soft strokes.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double cy = random.range(40, 230) * scale;
        const double cx = random.range(0, 750) * scale;
        const double len = random.range(60, 160) * scale;
        for (int k = 0; k < 18; ++k) {
            p.setBrush(QColor(255, 255, 255, int(random.range(6, 18))));
            const double dx = random.range(-len / 2, len / 2);
            p.drawEllipse(QPointF(cx + dx, cy + random.range(-4, 4) * scale), len * random.range(0.15, 0.35),
                          random.range(2, 6) * scale);
        }
    }

    // The mountain body: slate blue, lit from the left.
    const QPainterPath mountain = mountainOutline(scale);
    QLinearGradient body(0, 118 * scale, 0, 430 * scale);
    body.setColorAt(0.0, QColor(0x5A, 0x66, 0x96));
    body.setColorAt(0.5, QColor(0x3A, 0x42, 0x6C));
    body.setColorAt(1.0, QColor(0x1C, 0x22, 0x38));
    p.setBrush(body);
    p.drawPath(mountain);
    p.save();
    p.setClipPath(mountain);
    QLinearGradient side(200 * scale, 0, 560 * scale, 0);
    side.setColorAt(0.0, QColor(255, 230, 210, 28));
    side.setColorAt(0.5, QColor(0, 0, 0, 0));
    side.setColorAt(1.0, QColor(0, 0, 30, 70));
    p.setBrush(side);
    p.drawRect(QRectF(0, 0, w, h));
    // Ridges: faint darker strokes running down the flanks.
    for (int i = 0; i < 46; ++i) {
        const double topX = random.range(300, 440);
        const double spread = (topX - 374) * random.range(3.0, 6.0);
        QPainterPath ridge;
        ridge.moveTo(topX * scale, 150 * scale);
        ridge.quadTo((topX + spread * 0.4) * scale, 280 * scale, (topX + spread) * scale, 420 * scale);
        p.setPen(QPen(QColor(10, 12, 30, int(random.range(14, 34))), random.range(1.5, 5) * scale));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ridge);
    }
    p.restore();

    // Snow cap, bluish on the shaded right side.
    const QPainterPath snow = snowCap(scale, random).intersected(mountain);
    QLinearGradient snowShade(290 * scale, 0, 480 * scale, 0);
    snowShade.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    snowShade.setColorAt(0.55, QColor(0xEE, 0xF2, 0xFA));
    snowShade.setColorAt(1.0, QColor(0xB0, 0xC0, 0xE0));
    p.setPen(Qt::NoPen);
    p.setBrush(snowShade);
    p.drawPath(snow);
    p.save();
    p.setClipPath(snow);
    for (int i = 0; i < 22; ++i) {
        const double x = random.range(300, 470);
        QPainterPath gully;
        gully.moveTo(x * scale, 125 * scale);
        gully.lineTo((x + (x - 374) * 0.5) * scale, 300 * scale);
        p.setPen(QPen(QColor(0x70, 0x80, 0xB0, int(random.range(30, 70))), random.range(1, 3) * scale));
        p.drawPath(gully);
    }
    p.restore();

    // Foothills, darkening towards us.
    QPainterPath hills;
    hills.moveTo(0, 372 * scale);
    for (double x = 0; x <= 760; x += 40)
        hills.quadTo((x + 20) * scale, (356 + random.range(-10, 10)) * scale, (x + 40) * scale,
                     (372 + random.range(-6, 8)) * scale);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    hills.closeSubpath();
    QLinearGradient hillShade(0, 350 * scale, 0, 410 * scale);
    hillShade.setColorAt(0.0, QColor(0x1E, 0x30, 0x3C));
    hillShade.setColorAt(1.0, QColor(0x0A, 0x12, 0x16));
    p.setBrush(hillShade);
    p.drawPath(hills);

    // Almost black forest in the lower quarter, with the tips of conifers against the hills.
    QPainterPath forest;
    forest.moveTo(0, 398 * scale);
    for (double x = 0; x <= 760;) {
        const double tw = random.range(8, 16);
        const double th = random.range(10, 30);
        forest.lineTo((x + tw / 2) * scale, (398 - th) * scale);
        forest.lineTo((x + tw) * scale, 398 * scale);
        x += tw * random.range(0.6, 1.0);
    }
    forest.lineTo(w, h);
    forest.lineTo(0, h);
    forest.closeSubpath();
    p.setBrush(QColor(0x05, 0x08, 0x0A));
    p.drawPath(forest);
    p.setBrush(QColor(0x03, 0x04, 0x06));
    p.drawRect(QRectF(0, 420 * scale, w, h));
}

QImage background()
{
    // Painted at twice the size and reduced, for smooth strokes.
    const QSize size(750, 523);
    QImage big(size * 2, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::black);
    {
        QPainter p(&big);
        drawMountainScene(p, big.size(), 2.0);
    }
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

QImage title()
{
    const QSize size(660, 58);
    QImage image = Canvas::clear(size);
    QPainter p(&image);
    const QString text = QStringLiteral("文法ドリル");

    // Heavy yellow lettering ringed in a warm brown, with a blossom in each gap.
    Lettering::Style face;
    face.fill = titleYellow;
    face.embolden = 1.8;
    face.outline = QColor(0x80, 0x30, 0x00);
    face.outlineWidth = 1.6;
    Lettering::Style shadow = face;
    shadow.fill = QColor(0x10, 0x04, 0x00);
    shadow.outline = shadow.fill;
    const int gap = 36;
    const int pixelSize = Lettering::fittingSize(text, face, 440, 54, gap);
    const QFont font = FontPicker::mincho(pixelSize);
    const QImage row = Lettering::tight(text, font, face, gap);
    const QImage dark = Lettering::tight(text, font, shadow, gap);
    const QPoint at = Lettering::centredOrigin(image.rect(), row);
    p.setOpacity(0.55);
    p.drawImage(at + QPoint(2, 2), dark);
    p.setOpacity(1.0);
    p.drawImage(at, row);

    const double cy = size.height() / 2.0;
    double x = at.x();
    for (int i = 0; i + 1 < text.size(); ++i) {
        x += Lettering::ink(QString(text[i]), font, face).width();
        drawBlossom(p, QPointF(x + gap / 2.0, cy + (i % 2 ? -13 : 13)), 10.5, 17.0 * i);
        x += gap;
    }
    drawBlossom(p, QPointF(at.x() - 46, cy), 24, 8);
    drawBlossom(p, QPointF(at.x() + row.width() + 46, cy), 24, 30);
    p.end();
    return keyTransparent(image, Palette::blackKey, upperSky, 64);
}

QImage gradeRange()
{
    const QSize size(167, 60);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(titleYellow);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(1, 1, size.width() - 3, size.height() - 3));
    Lettering::Style style;
    style.fill = titleYellow;
    style.embolden = 0.6;
    const QImage letters = Lettering::fitted(QStringLiteral("３・４級"), style, 140, 38, 7);
    Lettering::drawCentred(p, image.rect(), letters);
    p.end();
    return keyTransparent(image, Palette::blackKey, upperSky, 64);
}

QImage explanation()
{
    const QSize size(523, 468);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x33, 0x33, 0x99));
    const QStringList lines = {
        QStringLiteral("「文法ドリル」は、日本に住む外国人のための日本語能力"),
        QStringLiteral("試験の３級と４級の文法問題を練習するドリルです。"),
        QStringLiteral("４級は６０問ずつ三つのグループに、３級は６０問・"),
        QStringLiteral("５０問・４０問・５０問の四つのグループに分かれて"),
        QStringLiteral("います。全部で３８０問です。"),
        QStringLiteral("はじめに「設定」をクリックして、級とグループを選ん"),
        QStringLiteral("でください。問題はランダムに出ます。いちばん適当な"),
        QStringLiteral("答えを「解答」の中からクリックしてください。正解か"),
        QStringLiteral("どうかが判定されて音が鳴り、正しい答えに○が付き"),
        QStringLiteral("ます。正解は１問１００点、５問続けて正解すると"),
        QStringLiteral("ボーナスとして１０００点がもらえます。まちがえる"),
        QStringLiteral("と１００点引かれ、画面の下の電車が前に進みます。"),
        QStringLiteral("５回まちがえると、電車の前の風船が割れて、得点が"),
        QStringLiteral("半分になります。１００００点になれば合格です。"),
        QStringLiteral("３級には日本語独特の表現が多く出てくるので、少し"),
        QStringLiteral("むずかしいかもしれません。がんばってください。"),
    };
    QFont font = FontPicker::mincho(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QFontMetrics metrics(font);
    // Every character on a 17 px grid, lines 25 px apart, the first line box at y 14.
    for (int i = 0; i < lines.size(); ++i) {
        Lettering::requireGlyphs(font, lines[i]);
        const int top = 14 + 25 * i;
        int x = 14;
        for (const QChar c : lines[i]) {
            p.drawText(QPoint(x, top + metrics.ascent()), QString(c));
            x += 17;
        }
    }
    return image;
}

QImage icon()
{
    // Painted large and reduced so the tiny icon keeps a clean silhouette.
    QImage big(256, 256, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0.0, QColor(0x10, 0x40, 0xC0));
    sky.setColorAt(1.0, QColor(0x80, 0xC0, 0xF8));
    p.fillRect(big.rect(), sky);
    QPainterPath mountain;
    mountain.moveTo(-10, 230);
    mountain.cubicTo(60, 200, 90, 120, 108, 70);
    mountain.lineTo(148, 70);
    mountain.cubicTo(166, 120, 196, 200, 266, 230);
    mountain.lineTo(266, 266);
    mountain.lineTo(-10, 266);
    mountain.closeSubpath();
    QLinearGradient rock(0, 70, 0, 256);
    rock.setColorAt(0.0, QColor(0x50, 0x5C, 0x90));
    rock.setColorAt(1.0, QColor(0x20, 0x28, 0x48));
    p.setPen(Qt::NoPen);
    p.setBrush(rock);
    p.drawPath(mountain);
    QPainterPath snow;
    snow.moveTo(108, 70);
    snow.lineTo(148, 70);
    snow.quadTo(158, 100, 172, 124);
    snow.lineTo(160, 118);
    snow.lineTo(150, 134);
    snow.lineTo(138, 116);
    snow.lineTo(128, 138);
    snow.lineTo(118, 116);
    snow.lineTo(104, 130);
    snow.lineTo(96, 118);
    snow.lineTo(84, 124);
    snow.quadTo(98, 100, 108, 70);
    p.setBrush(Qt::white);
    p.drawPath(snow);
    p.end();
    return big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

PictureSpec button(const QString& path, const QString& text)
{
    return PictureSpec{path, Format::Gif, QSize(125, 40), {},
                       [text] { return redButtonFace(QSize(125, 40), text, 26); }};
}

} // namespace

QList<PictureSpec> menuPictures()
{
    QList<PictureSpec> list;
    list << PictureSpec{QStringLiteral("menu/background.jpg"), Format::Jpeg, QSize(750, 523), {}, background};
    list << PictureSpec{QStringLiteral("menu/title.gif"), Format::Gif, QSize(660, 58), Palette::blackKey, title};
    list << PictureSpec{QStringLiteral("menu/graderange.gif"), Format::Gif, QSize(167, 60), Palette::blackKey, gradeRange};
    list << PictureSpec{QStringLiteral("menu/explanation.bmp"), Format::Bmp24, QSize(523, 468), {}, explanation};
    list << button(QStringLiteral("menu/explain.gif"), QStringLiteral("説明"));
    list << button(QStringLiteral("menu/settings.gif"), QStringLiteral("設定"));
    list << button(QStringLiteral("menu/drill.gif"), QStringLiteral("練習"));
    list << button(QStringLiteral("menu/end.gif"), QStringLiteral("終了"));
    list << button(QStringLiteral("menu/return.gif"), QStringLiteral("戻る"));
    list << PictureSpec{QStringLiteral("icon.bmp"), Format::Bmp8, QSize(32, 32), {}, icon};
    return list;
}
