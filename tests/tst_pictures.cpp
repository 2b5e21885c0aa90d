#include "error/RuntimeError.h"
#include "platform/DataPictureLoader.h"
#include "platform/PictureFileCheck.h"
#include "screens/drill/DrillLayout.h"
#include "support/HandMadeGif.h"
#include "support/TestMain.h"
#include "widgets/BuiltinPicture.h"
#include "widgets/BuiltinPictures.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <functional>
#include <memory>
#include <limits>

using Kind = RuntimeError::Kind;

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);

QByteArray gif(int width, int height, std::function<int(int, int)> pixel, int transparent = -1,
               const char *version = "GIF89a", int screenWidth = 0, int screenHeight = 0)
{
    return HandMadeGif::write(width, height, pixel, transparent, version, screenWidth, screenHeight);
}

// Red on the left half, blue on the right; the top-left pixel has index 0 (white).
int halves(int x, int y, int width)
{
    if (x == 0 && y == 0)
        return 0;
    return x < width / 2 ? 1 : 2;
}

QByteArray saved(const QImage &image, const char *format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, format == QByteArray("JPG") ? 90 : -1);
    return data;
}

// Red on the left half, blue on the right, a white top-left pixel. An 8-bit image gets a full
// palette of 256 colours: Qt writes a BMP of 16 colours or fewer with 4 bits a pixel.
QImage halvesImage(int width, int height, QImage::Format format)
{
    const QList<QRgb> colours{White, Red, Blue};
    QImage image(width, height, format);
    const bool indexed = format == QImage::Format_Indexed8;
    if (indexed) {
        QList<QRgb> palette = colours;
        for (int i = 3; i < 256; ++i)
            palette.append(qRgb(i, i, i));
        image.setColorTable(palette);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = halves(x, y, width);
            image.setPixel(x, y, indexed ? uint(index) : colours[index]);
        }
    }
    return image;
}

// A BMP of the 40-byte header with the given fields and `pixelBytes` bytes after the header.
QByteArray bmpWithHeader(qint32 width, qint32 height, quint16 bitsPerPixel, int pixelBytes)
{
    QByteArray bmp(54 + pixelBytes, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(quint32(bmp.size()), bmp.data() + 2);
    qToLittleEndian<quint32>(54, bmp.data() + 10);
    qToLittleEndian<quint32>(40, bmp.data() + 14);
    qToLittleEndian<qint32>(width, bmp.data() + 18);
    qToLittleEndian<qint32>(height, bmp.data() + 22);
    qToLittleEndian<quint16>(1, bmp.data() + 26);
    qToLittleEndian<quint16>(bitsPerPixel, bmp.data() + 28);
    return bmp;
}

int bmpBitsPerPixel(const QByteArray &bmp)
{
    return qFromLittleEndian<quint16>(bmp.constData() + 28);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loads_data();
    void loads();
    void refuses_data();
    void refuses();
    void dataPathWithOtherCase();
    void choosesByDensity_data();
    void choosesByDensity();
    void brokenTwiceIsAnError_data();
    void brokenTwiceIsAnError();
    void twicePictureTakesTheLogicalSize();
    void windowOnAnotherScreenTakesItsBuiltinPictures();
    void bmpLengthCheck_data();
    void bmpLengthCheck();

private:
    QString write(const QString &name, const QByteArray &content);
    QTemporaryDir m_dir;
};

QString TestPictures::write(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}

void TestPictures::loads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("clearCorner"); // the top-left pixel is transparent, else white
    QTest::addColumn<bool>("exactColours");

    const auto h = [](int width) { return [width](int x, int y) { return halves(x, y, width); }; };
    QTest::newRow("GIF 87a") << gif(10, 4, h(10), -1, "GIF87a") << QSize(10, 4) << false << true;
    QTest::newRow("GIF 89a") << gif(10, 4, h(10)) << QSize(10, 4) << false << true;
    QTest::newRow("GIF 89a, transparent colour") << gif(10, 4, h(10), 0) << QSize(10, 4) << true << true;
    QTest::newRow("GIF 578 x 113, transparent") << gif(578, 113, h(578), 0) << QSize(578, 113) << true << true;
    QByteArray noTrailer = gif(10, 4, h(10));
    noTrailer.chop(1);
    QTest::newRow("GIF without its trailer") << noTrailer << QSize(10, 4) << false << true;
    QTest::newRow("BMP 8-bit") << saved(halvesImage(10, 4, QImage::Format_Indexed8), "BMP") << QSize(10, 4) << false
                               << true;
    QTest::newRow("BMP 24-bit") << saved(halvesImage(10, 4, QImage::Format_RGB32), "BMP") << QSize(10, 4) << false
                                << true;
    QTest::newRow("BMP 4096 wide") << saved(halvesImage(4096, 1, QImage::Format_RGB32), "BMP") << QSize(4096, 1)
                                   << false << true;
    QTest::newRow("JPEG") << saved(halvesImage(40, 16, QImage::Format_RGB32), "JPG") << QSize(40, 16) << false << false;
    QTest::newRow("PNG under a .gif name") << saved(halvesImage(10, 4, QImage::Format_RGB32), "PNG") << QSize(10, 4)
                                           << false << true;
}

void TestPictures::loads()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    QFETCH(bool, clearCorner);
    QFETCH(bool, exactColours);

    if (QTest::currentDataTag() == QLatin1String("BMP 8-bit"))
        QCOMPARE(bmpBitsPerPixel(content), 8);
    if (QTest::currentDataTag() == QLatin1String("BMP 24-bit"))
        QCOMPARE(bmpBitsPerPixel(content), 24);
    const QString path = write(QStringLiteral("q1.gif"), content);
    const QImage image = DataPictureLoader().load(path).toImage();
    QCOMPARE(image.size(), size);
    QCOMPARE(qAlpha(image.pixel(0, 0)), clearCorner ? 0 : 255);
    QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 255);
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60;
    };
    const QRgb left = image.pixel(1, size.height() - 1);
    const QRgb right = image.pixel(size.width() - 1, size.height() - 1);
    if (exactColours) {
        QCOMPARE(left, Red);
        QCOMPARE(right, Blue);
        if (!clearCorner)
            QCOMPARE(image.pixel(0, 0), White);
    } else {
        QVERIFY(near(left, Red));
        QVERIFY(near(right, Blue));
    }
}

void TestPictures::refuses_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("detail"); // a part of the error's detail

    const auto h = [](int x, int y) { return halves(x, y, 60); };
    const QByteArray goodGif = gif(60, 40, h);
    const QByteArray goodBmp = saved(halvesImage(60, 40, QImage::Format_RGB32), "BMP");
    QImage busy(200, 100, QImage::Format_RGB32); // mostly coded data, little header
    for (int y = 0; y < busy.height(); ++y)
        for (int x = 0; x < busy.width(); ++x)
            busy.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, x * y % 256));
    const QByteArray goodJpeg = saved(busy, "JPG");

    QTest::newRow("empty file") << QByteArray() << "empty";
    QTest::newRow("text") << QByteArray("3\r\n2\r\n4\r\n1\r\n") << "";
    QTest::newRow("GIF header alone") << goodGif.left(13) << "";
    QTest::newRow("GIF cut in its image data") << goodGif.left(goodGif.size() / 2) << "cut short";
    QTest::newRow("GIF without its last block") << goodGif.left(goodGif.size() - 3) << "cut short";
    QTest::newRow("BMP cut") << goodBmp.left(goodBmp.size() / 2) << "cut short";
    QTest::newRow("BMP without its last byte") << goodBmp.left(goodBmp.size() - 1) << "cut short";
    QTest::newRow("JPEG cut") << goodJpeg.left(goodJpeg.size() / 2) << "cut short";
    QTest::newRow("JPEG header alone") << goodJpeg.left(200) << "";
    // 35 bytes that would make the decoder allocate about 100 MB.
    QTest::newRow("GIF claiming 5000 x 5000") << gif(1, 1, [](int, int) { return 1; }, -1, "GIF89a", 5000, 5000).left(35)
                                              << "5000×5000";
    QTest::newRow("GIF image of 5000 x 5000 on a small screen")
        << gif(5000, 5000, [](int, int) { return 1; }).left(300).replace(6, 4, QByteArray("\x0A\x00\x0A\x00", 4))
        << "5000×5000";
    QByteArray hugeBmp = goodBmp;
    qToLittleEndian<qint32>(5000, hugeBmp.data() + 18);
    qToLittleEndian<qint32>(5000, hugeBmp.data() + 22);
    QTest::newRow("BMP claiming 5000 x 5000") << hugeBmp << "5000×5000";
    QTest::newRow("BMP 4097 wide") << saved(halvesImage(4097, 1, QImage::Format_RGB32), "BMP") << "4097×1";
}

void TestPictures::refuses()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, detail);

    const QString path = write(QStringLiteral("a1.gif"), content);
    try {
        DataPictureLoader().load(path);
        QFAIL("no error was raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.kind(), Kind::NotAPicture);
        QCOMPARE(e.subject(), path);
        QVERIFY2(e.detail().contains(detail), qPrintable(e.detail()));
    }
}

void TestPictures::dataPathWithOtherCase()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Question/G4_1")));
    write(QStringLiteral("Question/G4_1/Q12.GIF"), gif(3, 2, [](int, int) { return 2; }));
    const QString base = m_dir.path();
    QCOMPARE(DataPictureLoader().load(base + QStringLiteral("\\question\\g4_1\\q12.gif")).size(), QSize(3, 2));

    for (const QString &missing : {QStringLiteral("\\question\\g4_1\\q13.gif"), QStringLiteral("\\question")}) {
        try {
            DataPictureLoader().load(base + missing);
            QFAIL("no error was raised");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.kind(), Kind::FileNotFound);
            QVERIFY2(e.subject().startsWith(base + '/'), qPrintable(e.subject()));
            QVERIFY2(e.subject().endsWith(QString(missing).replace('\\', '/').mid(1), Qt::CaseInsensitive),
                     qPrintable(e.subject()));
        }
    }
}

// A question picture and its twice-density file in a folder of their own, as they lie in a
// data folder; the loader is asked for "<base>\question\g4_1\q1.gif".
void TestPictures::choosesByDensity_data()
{
    QTest::addColumn<qreal>("ratio");          // the window's device pixel ratio
    QTest::addColumn<QStringList>("present");  // files in question/g4_1
    QTest::addColumn<QString>("expectedFile"); // the file whose picture is shown
    QTest::addColumn<qreal>("expectedRatio");  // the picture's device pixel ratio

    const QStringList both{QStringLiteral("q1.gif"), QStringLiteral("q1@2x.gif")};
    QTest::newRow("ordinary screen") << 1.0 << both << "q1.gif" << 1.0;
    QTest::newRow("twice the density") << 2.0 << both << "q1@2x.gif" << 2.0;
    QTest::newRow("125 %") << 1.25 << both << "q1@2x.gif" << 2.0;
    QTest::newRow("300 %") << 3.0 << both << "q1@2x.gif" << 2.0;
    QTest::newRow("twice the density, no twice file") << 2.0 << QStringList{"q1.gif"} << "q1.gif" << 1.0;
    QTest::newRow("twice file in another case") << 2.0 << QStringList{"q1.gif", "Q1@2X.GIF"} << "Q1@2X.GIF" << 2.0;
    QTest::newRow("ordinary screen, twice file in another case")
        << 1.0 << QStringList{"q1.gif", "Q1@2X.GIF"} << "q1.gif" << 1.0;
}

void TestPictures::choosesByDensity()
{
    QFETCH(qreal, ratio);
    QFETCH(QStringList, present);
    QFETCH(QString, expectedFile);
    QFETCH(qreal, expectedRatio);

    // Each file is told apart by its colour; the twice file has twice the pixels.
    QTemporaryDir base;
    QVERIFY(QDir(base.path()).mkpath(QStringLiteral("question/g4_1")));
    for (int i = 0; i < present.size(); ++i) {
        const int scale = present[i].contains(QLatin1String("@2x"), Qt::CaseInsensitive) ? 2 : 1;
        QFile file(base.filePath(QStringLiteral("question/g4_1/") + present[i]));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(gif(10 * scale, 4 * scale, [i](int, int) { return i + 1; }));
    }
    const QPixmap picture =
        DataPictureLoader().load(base.path() + QStringLiteral("\\question\\g4_1\\q1.gif"), ratio);
    const int shown = present.indexOf(expectedFile);
    QCOMPARE(picture.toImage().pixel(0, 0), (QList<QRgb>{Red, Blue}).at(shown));
    QCOMPARE(picture.devicePixelRatio(), expectedRatio);
    // Either way the picture takes the named one's place: 10 x 4 logical pixels.
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(10, 4));
}

// A twice-density file that is there is shown in place of the named one, so it must pass every
// check the named one must pass: a broken one stops the program, naming it, rather than giving
// way to the named one.
void TestPictures::brokenTwiceIsAnError_data()
{
    QTest::addColumn<QByteArray>("twice");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("detail");

    const QByteArray good = gif(20, 8, [](int, int) { return 1; });
    QTest::newRow("empty") << QByteArray() << int(Kind::NotAPicture) << "empty";
    QTest::newRow("cut short") << good.left(good.size() - 3) << int(Kind::NotAPicture) << "cut short";
    QTest::newRow("not a picture") << QByteArray("not a picture at all") << int(Kind::NotAPicture) << "";
    QTest::newRow("claiming 5000 x 5000") << gif(1, 1, [](int, int) { return 1; }, -1, "GIF89a", 5000, 5000).left(35)
                                          << int(Kind::NotAPicture) << "5000×5000";
}

void TestPictures::brokenTwiceIsAnError()
{
    QFETCH(QByteArray, twice);
    QFETCH(int, kind);
    QFETCH(QString, detail);

    write(QStringLiteral("a7.gif"), gif(10, 4, [](int, int) { return 1; }));
    const QString twicePath = write(QStringLiteral("a7@2x.gif"), twice);
    const QString named = m_dir.filePath(QStringLiteral("a7.gif"));
    QCOMPARE(DataPictureLoader().load(named, 1.0).size(), QSize(10, 4)); // an ordinary screen never reads it
    try {
        DataPictureLoader().load(named, 2.0);
        QFAIL("no error was raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(int(e.kind()), kind);
        QCOMPARE(e.subject(), twicePath);
        QVERIFY2(e.detail().contains(detail), qPrintable(e.detail()));
    }
}

// The controls lay out and centre a picture by its logical size: a twice-density picture
// stands where the named one would, at the same size.
void TestPictures::twicePictureTakesTheLogicalSize()
{
    QPixmap twice(20, 8);
    twice.fill(Qt::red);
    twice.setDevicePixelRatio(2);
    QWidget window;
    PictureLabel label(&window);
    label.setGeometry(5, 6, 50, 50);
    label.setPicture(twice);
    QCOMPARE(label.geometry(), QRect(5, 6, 10, 4));

    PictureButton button(&window);
    button.resize(14, 8);
    button.setPicture(twice);
    QCOMPARE(button.sizeHint(), QSize(10, 4));
    const QImage face = button.grab().toImage();
    QCOMPARE(face.devicePixelRatio(), 1.0);
    QCOMPARE(face.pixel(2, 2), Red);   // centred: (14 - 10) / 2, (8 - 4) / 2
    QCOMPARE(face.pixel(11, 5), Red);
    QVERIFY(face.pixel(1, 1) != Red);
    QVERIFY(face.pixel(12, 6) != Red);
}

// Moved to a screen of twice the density, the Drill window shows the built-in pictures drawn
// for it; pictures set at run time are not replaced by built-in ones, not even a data picture
// with the very pixels of the built-in picture it replaced.
void TestPictures::windowOnAnotherScreenTakesItsBuiltinPictures()
{
    std::unique_ptr<ScreenWindow> window(DrillLayout::createWindow());
    QPixmap question(20, 8);
    question.fill(Qt::red);
    window->image(DrillControl::ChoicesPicture)->setPicture(question); // the choices, over the built-in sample
    // Copies, not the built-in pixmaps themselves: as a data folder's pictures would be.
    const QPixmap burstCopy = QPixmap::fromImage(BuiltinPicture::load(Builtin::Burst).toImage());
    const QPixmap faceCopy = QPixmap::fromImage(BuiltinPicture::load(Builtin::choiceButton(2)).toImage());
    window->image(DrillControl::Burst)->setPicture(burstCopy);
    window->button(DrillControl::ChoiceButton2)->setPicture(faceCopy);
    QCOMPARE(window->image(DrillControl::Burst)->builtinPicture(), QString());
    QCOMPARE(window->image(DrillControl::Train)->builtinPicture(), Builtin::Train);
    QCOMPARE(window->image(DrillControl::Train)->picture().devicePixelRatio(), 1.0);

    window->showBuiltinPicturesFor(2.0);
    const QPixmap train = window->image(DrillControl::Train)->picture();
    QCOMPARE(train.devicePixelRatio(), 2.0);
    QCOMPARE(train.deviceIndependentSize(), QSizeF(180, 84));
    QCOMPARE(window->image(DrillControl::Train)->size(), QSize(180, 84));
    QCOMPARE(window->button(DrillControl::ChoiceButton1)->picture().devicePixelRatio(), 2.0);
    QCOMPARE(window->image(DrillControl::ChoicesPicture)->picture().cacheKey(), question.cacheKey());
    QCOMPARE(window->image(DrillControl::Burst)->picture().cacheKey(), burstCopy.cacheKey());
    QCOMPARE(window->button(DrillControl::ChoiceButton2)->picture().cacheKey(), faceCopy.cacheKey());

    window->showBuiltinPicturesFor(1.0);
    QCOMPARE(window->image(DrillControl::Train)->picture().devicePixelRatio(), 1.0);
    QCOMPARE(window->image(DrillControl::Train)->picture().size(), QSize(180, 84));
}

// The length check reads raw header fields, before and apart from Qt's own header check: any
// value must give an answer, without overflow, and never call a short file whole.
void TestPictures::bmpLengthCheck_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("whole");

    // 3 x 2 in 24 bits: rows of 9 bytes padded to 12.
    QTest::newRow("whole") << bmpWithHeader(3, 2, 24, 24) << true;
    QTest::newRow("whole, rows top-down") << bmpWithHeader(3, -2, 24, 24) << true;
    QTest::newRow("one byte short") << bmpWithHeader(3, 2, 24, 23) << false;
    QTest::newRow("one byte short, top-down") << bmpWithHeader(3, -2, 24, 23) << false;
    QTest::newRow("largest width, lowest height, 65535 bits")
        << bmpWithHeader(0x7fffffff, std::numeric_limits<qint32>::min(), 65535, 64) << false;
    QTest::newRow("largest width and height, 32 bits") << bmpWithHeader(0x7fffffff, 0x7fffffff, 32, 64) << false;
    QTest::newRow("largest height, 1 bit") << bmpWithHeader(1, 0x7fffffff, 1, 64) << false;
    QTest::newRow("negative width") << bmpWithHeader(-3, 2, 24, 24) << false;
    QTest::newRow("lowest width") << bmpWithHeader(std::numeric_limits<qint32>::min(), 2, 65535, 24) << false;
    QTest::newRow("no rows") << bmpWithHeader(3, 0, 24, 24) << false;
    QTest::newRow("no bits per pixel") << bmpWithHeader(3, 2, 0, 24) << false;
}

void TestPictures::bmpLengthCheck()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, whole);
    const QString damage = PictureFileCheck::damage(content, "bmp");
    QVERIFY2(damage.isEmpty() == whole, qPrintable(damage));
}

BUNPO_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
