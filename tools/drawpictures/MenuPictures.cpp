// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuPictures.h"

#include "Blossom.h"
#include "ButtonFace.h"
#include "Canvas.h"
#include "FontPicker.h"
#include "LauncherIcons.h"
#include "Lettering.h"
#include "Palette.h"
#include "SeededRandom.h"
#include "TransparentKey.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringDecoder>
#include <QTransform>

#include <algorithm>
#include <array>
#include <functional>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using Format = PictureRecipe::Format;

const QColor titleYellow(0xFF, 0xE4, 0x1C);
// The sky where the title and the grade range stand, to soften their edges against it.
const QColor upperSky(0x10, 0x2C, 0x80);

// A wavering skyline: a few sine waves of falling amplitude and random phase.
std::function<double(double)> ridgeNoise(SeededRandom& random, double amplitude)
{
    std::array<std::array<double, 3>, 5> waves{}; // amplitude, frequency, phase
    double a = amplitude, f = 0.012;
    for (auto& w : waves) {
        w = {a, f, random.range(0, 2 * M_PI)};
        a *= 0.5;
        f *= 2.1;
    }
    return [waves](double x) {
        double y = 0;
        for (const auto& w : waves)
            y += w[0] * std::sin(w[1] * x + w[2]);
        return y;
    };
}

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

    // Haze where the flanks meet the land.
    QLinearGradient haze(0, 300 * scale, 0, 380 * scale);
    haze.setColorAt(0.0, QColor(0x90, 0xB0, 0xE0, 0));
    haze.setColorAt(1.0, QColor(0x90, 0xB0, 0xE0, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(haze);
    p.drawRect(QRectF(0, 300 * scale, w, 80 * scale));

    // Ranges of wooded hills, bluer with distance, darkening towards us.
    struct Range
    {
        double base;
        double amplitude;
        QColor top;
        QColor bottom;
    };
    const Range ranges[] = {
        {362, 10, QColor(0x2C, 0x40, 0x5C), QColor(0x1C, 0x2C, 0x40)},
        {378, 9, QColor(0x16, 0x24, 0x2C), QColor(0x0C, 0x14, 0x18)},
    };
    for (const Range& range : ranges) {
        const auto ridge = ridgeNoise(random, range.amplitude);
        QPainterPath hills;
        hills.moveTo(0, h);
        for (double x = 0; x <= 752; x += 2)
            hills.lineTo(x * scale, (range.base + ridge(x)) * scale);
        hills.lineTo(w, h);
        hills.closeSubpath();
        QLinearGradient shade(0, (range.base - range.amplitude) * scale, 0, (range.base + 30) * scale);
        shade.setColorAt(0.0, range.top);
        shade.setColorAt(1.0, range.bottom);
        p.setBrush(shade);
        p.drawPath(hills);
    }

    // Almost black forest in the lower quarter: conifers of uneven height in clumps.
    const auto clumps = ridgeNoise(random, 7);
    QPainterPath forest;
    forest.moveTo(0, h);
    forest.lineTo(0, 400 * scale);
    for (double x = 0; x <= 760;) {
        const double treeWidth = random.range(6, 13);
        const double ground = 402 + clumps(x) * 0.4;
        const double height = std::max(6.0, 16 + clumps(x) * 1.4 + random.range(-5, 5));
        const double tipX = x + treeWidth / 2;
        // A spruce in three tiers, so the edge is feathery rather than a row of teeth.
        forest.lineTo(tipX - treeWidth * 0.50, ground - height * 0.05);
        forest.lineTo(tipX - treeWidth * 0.22, ground - height * 0.38);
        forest.lineTo(tipX - treeWidth * 0.36, ground - height * 0.36);
        forest.lineTo(tipX - treeWidth * 0.12, ground - height * 0.70);
        forest.lineTo(tipX - treeWidth * 0.22, ground - height * 0.68);
        forest.lineTo(tipX, ground - height);
        forest.lineTo(tipX + treeWidth * 0.22, ground - height * 0.68);
        forest.lineTo(tipX + treeWidth * 0.12, ground - height * 0.70);
        forest.lineTo(tipX + treeWidth * 0.36, ground - height * 0.36);
        forest.lineTo(tipX + treeWidth * 0.22, ground - height * 0.38);
        forest.lineTo(tipX + treeWidth * 0.50, ground - height * 0.05);
        x += treeWidth * random.range(0.55, 0.9);
    }
    forest.lineTo(w, h);
    forest.closeSubpath();
    forest = QTransform::fromScale(scale, scale).map(forest);
    QLinearGradient ground(0, 380 * scale, 0, h);
    ground.setColorAt(0.0, QColor(0x07, 0x0C, 0x0E));
    ground.setColorAt(0.25, QColor(0x04, 0x06, 0x08));
    ground.setColorAt(1.0, QColor(0x02, 0x03, 0x04));
    p.setBrush(ground);
    p.drawPath(forest);
}

// Film-like grain so gradients do not band and the scene reads more like a photograph.
void addGrain(QImage& image, double amount, std::uint64_t seed)
{
    SeededRandom random(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(std::lround(random.range(-amount, amount)));
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

QImage background(int scale)
{
    // Painted at twice the size and reduced, for smooth strokes.
    const QSize size = QSize(750, 523) * scale;
    QImage big(size * 2, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::black);
    {
        QPainter p(&big);
        drawMountainScene(p, big.size(), 2.0 * scale);
    }
    QImage scene = big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    addGrain(scene, 2.5, 523750);
    return scene;
}

QImage title(int scale)
{
    const QSize size(660, 58);
    QImage image = Canvas::clear(size, scale);
    QPainter p(&image);
    Canvas::scaleTo(p, scale);
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
    const QImage row = Lettering::tight(text, font, face, gap, scale);
    const QImage dark = Lettering::tight(text, font, shadow, gap, scale);
    const QPoint at = Lettering::centredOrigin(QRect(QPoint(0, 0), size), row, scale);
    p.setOpacity(0.55);
    Lettering::drawAt(p, at + QPoint(2, 2) * scale, dark);
    p.setOpacity(1.0);
    Lettering::drawAt(p, at, row);

    // The blossoms sit in the gaps, placed from the ink's device pixels.
    const double cy = size.height() / 2.0;
    double x = at.x();
    for (int i = 0; i + 1 < text.size(); ++i) {
        x += Lettering::ink(QString(text[i]), font, face, scale).width();
        drawBlossom(p, QPointF(x / scale + gap / 2.0, cy + (i % 2 ? -13 : 13)), 10.5, 17.0 * i);
        x += gap * scale;
    }
    drawBlossom(p, QPointF(double(at.x()) / scale - 46, cy), 24, 8);
    drawBlossom(p, QPointF(double(at.x() + row.width()) / scale + 46, cy), 24, 30);
    p.end();
    return keyTransparent(image, Palette::blackKey, upperSky, 64);
}

QImage gradeRange(int scale)
{
    const QSize size(167, 60);
    QImage image = Canvas::clear(size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    Canvas::scaleTo(p, scale);
    Canvas::frame(p, QRect(QPoint(1, 1), QPoint(size.width() - 2, size.height() - 2)), titleYellow);
    Lettering::Style style;
    style.fill = titleYellow;
    style.embolden = 0.6;
    const QImage letters = Lettering::fitted(QStringLiteral("３・４級"), style, 140, 38, 7, scale);
    Lettering::drawCentred(p, QRect(QPoint(0, 0), size), letters, scale);
    p.end();
    return keyTransparent(image, Palette::blackKey, upperSky, 64);
}

// The explanation: sixteen lines of white Mincho on dark blue, 25 px apart with the first line
// box at y 14 and a margin of 14 px; below the last line stays empty for the return button.
// Each language's text is one file of the program's (src/screens/menu), one line of the picture a
// line of the file, which the program also hands to screen readers.
const QColor explanationBlue(0x33, 0x33, 0x99);
constexpr int explanationLines = 16;
constexpr int explanationMargin = 14;
constexpr int explanationWidth = 523 - 2 * explanationMargin; // what a line may take

[[noreturn]] void refuseExplanation(const QString& file, int line, const QString& what)
{
    if (line > 0)
        std::fprintf(stderr, "drawpictures: src/%s:%d: %s\n", qPrintable(file), line, qPrintable(what));
    else
        std::fprintf(stderr, "drawpictures: src/%s: %s\n", qPrintable(file), qPrintable(what));
    std::exit(1);
}

// The lines of an explanation text, as compiled in from src/screens/ ("menu/explanation-ja.txt").
QStringList explanationText(const QString& file)
{
    QFile source(QStringLiteral(":/") + file);
    if (!source.open(QIODevice::ReadOnly))
        refuseExplanation(file, 0, source.errorString());
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(source.readAll());
    if (utf8.hasError())
        refuseExplanation(file, 0, QStringLiteral("is not UTF-8"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() != explanationLines)
        refuseExplanation(file, 0, QStringLiteral("holds %1 lines; the picture has %2").arg(lines.size()).arg(explanationLines));
    return lines;
}

// The explanation's blue ground with `drawLine` called for every line of the file, the
// painter scaled to layout pixels; drawLine returns the width the line took.
QImage explanationPicture(int scale, const QString& file, const QFont& font,
                          const std::function<double(QPainter&, const QString&, QPoint)>& drawLine)
{
    const QStringList lines = explanationText(file);
    QImage image(QSize(523, 468) * scale, QImage::Format_RGB32);
    image.fill(explanationBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    Canvas::scaleTo(p, scale);
    p.setFont(font);
    p.setPen(Qt::white);
    const int ascent = QFontMetrics(font).ascent();
    for (int i = 0; i < lines.size(); ++i) {
        Lettering::requireGlyphs(font, lines[i]);
        const int top = 14 + 25 * i; // the line box's top
        const double width = drawLine(p, lines[i], QPoint(explanationMargin, top + ascent));
        if (width > explanationWidth)
            refuseExplanation(file, i + 1, QStringLiteral("is %1 px wide; a line takes at most %2").arg(width).arg(explanationWidth));
    }
    return image;
}

QImage japaneseExplanation(int scale)
{
    // Every character on a 17 px grid; a space between words takes half a step.
    return explanationPicture(scale, QStringLiteral("menu/explanation-ja.txt"), FontPicker::mincho(16),
                              [](QPainter& p, const QString& line, QPoint at) {
                                  int x = at.x();
                                  for (const QChar c : line) {
                                      if (c == QLatin1Char(' ')) {
                                          x += 8;
                                          continue;
                                      }
                                      p.drawText(QPoint(x, at.y()), QString(c));
                                      x += 17;
                                  }
                                  return x - at.x() - 1.0; // the last glyph is 16 px wide
                              });
}

QImage englishExplanation(int scale)
{
    // The same face and size, set as running text.
    const QFont font = FontPicker::mincho(16);
    return explanationPicture(scale, QStringLiteral("menu/explanation-en.txt"), font,
                              [font](QPainter& p, const QString& line, QPoint at) {
                                  p.drawText(at, line);
                                  return QFontMetricsF(font).horizontalAdvance(line);
                              });
}

QImage icon(int scale)
{
    // Reduced from the large motif so the tiny icon keeps a clean silhouette.
    return iconMotif().scaled(QSize(32, 32) * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

PictureRecipe button(const QString& path, const QString& text)
{
    return PictureRecipe{path, Format::Gif, QSize(125, 40), {},
                       [text](int scale) { return redButtonFace(QSize(125, 40), text, 26, scale); }};
}

} // namespace

QList<PictureRecipe> menuPictures()
{
    QList<PictureRecipe> list;
    list << PictureRecipe{QStringLiteral("menu/background.jpg"), Format::Jpeg, QSize(750, 523), {}, background};
    list << PictureRecipe{QStringLiteral("menu/title.gif"), Format::Gif, QSize(660, 58), Palette::blackKey, title};
    list << PictureRecipe{QStringLiteral("menu/graderange.gif"), Format::Gif, QSize(167, 60), Palette::blackKey, gradeRange};
    list << PictureRecipe{QStringLiteral("menu/explanation.bmp"), Format::Bmp24, QSize(523, 468), {}, japaneseExplanation};
    list << PictureRecipe{QStringLiteral("menu/explanation-en.bmp"), Format::Bmp24, QSize(523, 468), {}, englishExplanation};
    list << button(QStringLiteral("menu/explain.gif"), QStringLiteral("説明"));
    list << button(QStringLiteral("menu/settings.gif"), QStringLiteral("設定"));
    list << button(QStringLiteral("menu/drill.gif"), QStringLiteral("練習"));
    list << button(QStringLiteral("menu/end.gif"), QStringLiteral("終了"));
    list << button(QStringLiteral("menu/return.gif"), QStringLiteral("戻る"));
    list << PictureRecipe{QStringLiteral("icon.bmp"), Format::Bmp8, QSize(32, 32), {}, icon};
    return list;
}
