// The built-in pictures are drawn by tools/drawpictures and compiled in as resources. The
// screens place them by fixed pixel positions, so what matters here is that each one has the
// size, format and transparency the layout expects, and that the geometry the drill relies on
// (track ticks, panels, the car's front, the ring's centre, the ladder's slots) is where it
// should be.

#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {

QImage load(const QString& resource)
{
    QImageReader reader(resource);
    QImage image = reader.read();
    if (image.isNull())
        qWarning("%s: %s", qPrintable(resource), qPrintable(reader.errorString()));
    return image;
}

// ":/pictures/drill/train.gif" -> ":/pictures/drill/train@2x.gif"
QString twice(const QString& resource)
{
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
}

bool opaqueAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 255;
}

} // namespace

class TestBuiltinPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatAndSize_data();
    void formatAndSize();
    void pixelProbes_data();
    void pixelProbes();
    void walkerNeedleReachesRightEdge_data();
    void walkerNeedleReachesRightEdge();
    void ringIsCentred_data();
    void ringIsCentred();
    void gradeButtonsMatchTheBankButtons_data();
    void gradeButtonsMatchTheBankButtons();
    void explanationLayout_data();
    void explanationLayout();
};

// Every picture is there at scale 1 and, as "name@2x.ext", at scale 2 with twice the pixels.
void TestBuiltinPictures::formatAndSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bmpBits");      // 8 or 24 for BMPs, 0 otherwise
    QTest::addColumn<bool>("transparent"); // GIF with a transparent colour (the corner is see-through)

    struct Row
    {
        const char* path;
        const char* format;
        int w, h, bits;
        bool transparent;
    };
    const Row rows[] = {
        {"drill/background.bmp", "bmp", 750, 523, 24, false},
        {"drill/board.bmp", "bmp", 640, 460, 8, false},
        {"drill/train.gif", "gif", 180, 84, 0, false},
        {"drill/burst.gif", "gif", 85, 84, 0, false},
        {"drill/correct.gif", "gif", 199, 195, 0, true},
        {"drill/wrong.gif", "gif", 211, 207, 0, true},
        {"drill/ring.gif", "gif", 40, 40, 0, true},
        {"drill/bonus.gif", "gif", 282, 100, 0, true},
        {"drill/pass.gif", "gif", 342, 113, 0, true},
        {"drill/halving.bmp", "bmp", 395, 42, 24, false},
        {"drill/scorebox.bmp", "bmp", 130, 45, 8, false},
        {"drill/runbox.gif", "gif", 140, 45, 0, false},
        {"drill/answerbox.gif", "gif", 261, 45, 0, false},
        {"drill/choice1.gif", "gif", 38, 43, 0, false},
        {"drill/choice2.gif", "gif", 38, 43, 0, false},
        {"drill/choice3.gif", "gif", 38, 43, 0, false},
        {"drill/choice4.gif", "gif", 38, 43, 0, false},
        {"drill/next.bmp", "bmp", 58, 45, 8, false},
        {"drill/end.gif", "gif", 72, 29, 0, false},
        {"drill/return.gif", "gif", 72, 29, 0, false},
        {"drill/settings.gif", "gif", 72, 29, 0, false},
        {"drill/sample-choices.gif", "gif", 578, 113, 0, true},
        {"menu/background.jpg", "jpeg", 750, 523, 0, false},
        {"menu/title.gif", "gif", 660, 58, 0, true},
        {"menu/graderange.gif", "gif", 167, 60, 0, true},
        {"menu/explanation.bmp", "bmp", 523, 468, 24, false},
        {"menu/explanation-en.bmp", "bmp", 523, 468, 24, false},
        {"menu/explain.gif", "gif", 125, 40, 0, false},
        {"menu/settings.gif", "gif", 125, 40, 0, false},
        {"menu/drill.gif", "gif", 125, 40, 0, false},
        {"menu/end.gif", "gif", 125, 40, 0, false},
        {"menu/return.gif", "gif", 125, 40, 0, false},
        {"grade/ladder.bmp", "bmp", 283, 440, 8, false},
        {"grade/grade1.gif", "gif", 163, 51, 0, false},
        {"grade/grade2.gif", "gif", 163, 51, 0, false},
        {"grade/grade3.gif", "gif", 163, 51, 0, false},
        {"grade/grade4.gif", "gif", 163, 51, 0, false},
        {"grade/grade5.gif", "gif", 163, 51, 0, false},
        {"grade/grade6.gif", "gif", 163, 51, 0, false},
        {"grade/grade7.gif", "gif", 163, 51, 0, false},
        {"grade/mark.bmp", "bmp", 58, 37, 8, false},
        {"grade/cancel.gif", "gif", 88, 28, 0, false},
        {"grade/decide.gif", "gif", 88, 28, 0, false},
        {"icon.bmp", "bmp", 32, 32, 8, false},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.path) << QStringLiteral(":/pictures/%1").arg(QLatin1String(r.path)) << QByteArray(r.format)
                              << QSize(r.w, r.h) << r.bits << r.transparent;
        QTest::addRow("%s at 2x", r.path) << twice(QStringLiteral(":/pictures/%1").arg(QLatin1String(r.path)))
                                          << QByteArray(r.format) << QSize(r.w, r.h) * 2 << r.bits << r.transparent;
    }
}

void TestBuiltinPictures::formatAndSize()
{
    QFETCH(QString, resource);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(int, bmpBits);
    QFETCH(bool, transparent);

    QVERIFY2(QFile::exists(resource), qPrintable(resource));
    QImageReader reader(resource);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);

    if (bmpBits) {
        // Bits per pixel, from the BMP info header.
        QFile file(resource);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(30);
        QCOMPARE(header.size(), 30);
        const int bits = quint8(header[28]) | (quint8(header[29]) << 8);
        QCOMPARE(bits, bmpBits);
    }

    const QImage image = load(resource);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel() && !opaqueAt(image, 0, 0), transparent);
}

// The places the screens rely on, probed in the picture's own pixels at scale 1; at scale 2 the
// same logical pixel (all four device pixels of it) must hold the same colour.
void TestBuiltinPictures::pixelProbes_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("colour");

    const QString board = QStringLiteral(":/pictures/drill/board.bmp");
    const QRgb yellow = qRgb(0xFC, 0xFE, 0x04), teal = qRgb(0x04, 0xAA, 0xA4), navy = qRgb(0x00, 0x00, 0x80);
    const QRgb field = qRgb(0x04, 0x02, 0xFC), white = qRgb(0xFF, 0xFF, 0xFF);

    // The car's front stops at each tick: 5 px wide from these columns, in the band y 436..438.
    const int ticks[] = {199, 266, 333, 400, 466, 532};
    for (int x : ticks) {
        QTest::addRow("board tick %d first column", x) << board << QPoint(x, 437) << yellow;
        QTest::addRow("board tick %d last column", x) << board << QPoint(x + 4, 437) << yellow;
    }
    QTest::newRow("board band left of first tick") << board << QPoint(198, 437) << qRgb(0x00, 0x00, 0x60);
    QTest::newRow("board band right of first tick") << board << QPoint(204, 437) << qRgb(0x00, 0x00, 0x60);
    QTest::newRow("board line above strip") << board << QPoint(300, 349) << yellow;
    QTest::newRow("board strip top") << board << QPoint(300, 350) << teal;
    QTest::newRow("board strip bottom") << board << QPoint(300, 433) << teal;
    QTest::newRow("board rail") << board << QPoint(300, 435) << yellow;
    QTest::newRow("board line below band") << board << QPoint(300, 439) << yellow;
    QTest::newRow("board balloon is red") << board << QPoint(585, 395) << qRgb(0xFC, 0x02, 0x04);
    QTest::newRow("question panel frame top-left") << board << QPoint(19, 51) << white;
    QTest::newRow("question panel frame bottom-right") << board << QPoint(620, 135) << white;
    QTest::newRow("question panel inside") << board << QPoint(20, 52) << navy;
    QTest::newRow("question panel outside") << board << QPoint(18, 51) << field;
    QTest::newRow("choices panel frame top-left") << board << QPoint(19, 147) << white;
    QTest::newRow("choices panel frame bottom-right") << board << QPoint(620, 289) << white;
    QTest::newRow("choices panel inside") << board << QPoint(619, 288) << navy;
    QTest::newRow("choices panel outside") << board << QPoint(621, 289) << field;

    const QString ladder = QStringLiteral(":/pictures/grade/ladder.bmp");
    for (int y = 24; y <= 374; y += 50)
        QTest::addRow("ladder line y %d", y) << ladder << QPoint(140, y) << white;
    QTest::newRow("ladder slot") << ladder << QPoint(140, 99) << field;
    QTest::newRow("ladder column left") << ladder << QPoint(60, 200) << white;
    QTest::newRow("ladder column right") << ladder << QPoint(222, 200) << white;
    QTest::newRow("ladder field") << ladder << QPoint(30, 200) << qRgb(0x00, 0x00, 0xB8);
    QTest::newRow("ladder arrow shaft") << ladder << QPoint(247, 200) << white;
    QTest::newRow("ladder arrow shaft 2") << ladder << QPoint(248, 200) << white;

    QTest::newRow("train stands on the track's teal") << QStringLiteral(":/pictures/drill/train.gif") << QPoint(0, 0)
                                                       << teal;
    QTest::newRow("burst stands on the track's teal") << QStringLiteral(":/pictures/drill/burst.gif") << QPoint(0, 0)
                                                      << teal;
}

void TestBuiltinPictures::pixelProbes()
{
    QFETCH(QString, resource);
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);
    const QImage image = load(resource);
    QVERIFY(!image.isNull());
    QCOMPARE(QString::number(image.pixel(at) & 0xFFFFFF, 16), QString::number(colour & 0xFFFFFF, 16));
    const QImage doubled = load(twice(resource));
    QVERIFY(!doubled.isNull());
    for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        QCOMPARE(QString::number(doubled.pixel(at * 2 + corner) & 0xFFFFFF, 16),
                 QString::number(colour & 0xFFFFFF, 16));
}

void TestBuiltinPictures::walkerNeedleReachesRightEdge_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("1x") << QStringLiteral(":/pictures/drill/train.gif");
    QTest::newRow("2x") << QStringLiteral(":/pictures/drill/train@2x.gif");
}

void TestBuiltinPictures::walkerNeedleReachesRightEdge()
{
    // The car's front is its right edge: something other than teal must touch the last column,
    // or the car would seem to stop short of the ticks and the balloon.
    QFETCH(QString, resource);
    const QImage train = load(resource);
    QVERIFY(!train.isNull());
    const QRgb teal = qRgb(0x04, 0xAA, 0xA4);
    bool touches = false;
    for (int y = 0; y < train.height(); ++y)
        touches = touches || (train.pixel(train.width() - 1, y) | 0xff000000) != teal;
    QVERIFY(touches);
}

void TestBuiltinPictures::ringIsCentred_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("1x") << QStringLiteral(":/pictures/drill/ring.gif");
    QTest::newRow("2x") << QStringLiteral(":/pictures/drill/ring@2x.gif");
}

void TestBuiltinPictures::ringIsCentred()
{
    // The ring is drawn centred on a choice's number; an off-centre picture would sit askew.
    QFETCH(QString, resource);
    const QImage ring = load(resource);
    QVERIFY(!ring.isNull());
    int left = ring.width(), right = -1, top = ring.height(), bottom = -1;
    for (int y = 0; y < ring.height(); ++y) {
        for (int x = 0; x < ring.width(); ++x) {
            if (!opaqueAt(ring, x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    QVERIFY(right >= 0);
    QCOMPARE(left, ring.width() - 1 - right);
    QCOMPARE(top, ring.height() - 1 - bottom);
    // A ring, not a disc: the middle is see-through.
    QVERIFY(!opaqueAt(ring, ring.width() / 2, ring.height() / 2));
}

// The Grade screen shows the built-in grade buttons until the pointer first moves, then the
// plain and lit buttons of the title folder: the plain ones must look exactly alike, or the
// ladder changes its lettering under the user's eyes. The test bank has the same button texts.
void TestBuiltinPictures::gradeButtonsMatchTheBankButtons_data()
{
    QTest::addColumn<QString>("builtin");
    QTest::addColumn<QString>("bank");
    for (int n = 1; n <= 7; ++n) {
        const QString builtin = QStringLiteral(":/pictures/grade/grade%1.gif").arg(n);
        const QString bank = QStringLiteral(BUNPO_TEST_BANK "/title/r%1b.gif").arg(n);
        QTest::addRow("grade button %d", n) << builtin << bank;
        QTest::addRow("grade button %d at 2x", n) << twice(builtin) << twice(bank);
    }
}

void TestBuiltinPictures::gradeButtonsMatchTheBankButtons()
{
    QFETCH(QString, builtin);
    QFETCH(QString, bank);
    if (!QFile::exists(BUNPO_TEST_BANK "/answer/g4_1.ans"))
        QSKIP("the test bank is not built");
    const QImage ours = load(builtin).convertToFormat(QImage::Format_RGB32);
    const QImage theirs = load(bank).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!ours.isNull() && !theirs.isNull());
    QCOMPARE(ours.size(), theirs.size());
    QVERIFY(ours == theirs);
}

void TestBuiltinPictures::explanationLayout_data()
{
    QTest::addColumn<QString>("resource");
    for (const char *path : {"menu/explanation.bmp", "menu/explanation-en.bmp"}) {
        const QString resource = QStringLiteral(":/pictures/%1").arg(QLatin1String(path));
        QTest::newRow(path) << resource;
        QTest::addRow("%s at 2x", path) << twice(resource);
    }
}

// Both languages of the explanation keep its layout: white text on dark blue in sixteen line
// boxes 25 px high from y 14, within 14 px of the sides; below the last box nothing, for the
// return button that stands there. A text too long for a line or for the picture shows here.
void TestBuiltinPictures::explanationLayout()
{
    QFETCH(QString, resource);
    const QImage image = load(resource).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    const int scale = image.width() / 523;
    const QRgb blue = qRgb(0x33, 0x33, 0x99);

    // The ink of each line box, in the picture's own pixels.
    constexpr int lines = 16;
    QList<int> inkInBox(lines, 0);
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == blue)
                continue;
            const int layoutY = y / scale, box = (layoutY - 14) / 25;
            QVERIFY2(layoutY >= 14 && box < lines, qPrintable(QStringLiteral("ink at %1,%2 outside the line boxes").arg(x / scale).arg(layoutY)));
            ++inkInBox[box];
            left = std::min(left, x / scale);
            right = std::max(right, x / scale);
        }
    }
    for (int box = 0; box < lines; ++box)
        QVERIFY2(inkInBox[box] > 0, qPrintable(QStringLiteral("line %1 is empty").arg(box + 1)));
    QVERIFY2(left >= 13 && right <= 523 - 13, qPrintable(QStringLiteral("ink from x %1 to %2").arg(left).arg(right)));
}

QTEST_MAIN(TestBuiltinPictures)
#include "tst_builtinpictures.moc"
