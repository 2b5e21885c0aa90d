// The GIF and BMP writers and the font check are shared by the picture tool and the
// question-bank builder: a colour that turns transparent by accident, a shifted palette or
// a broken row padding would spoil every picture they write.

#include "FontPicker.h"
#include "GifWriter.h"
#include "IndexedBmpWriter.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A picture with more than 256 colours (a two-way gradient) around a block of `key`.
QImage manyColoursAround(QRgb key)
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x + y) * 2));
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 30; ++x)
            image.setPixel(x, y, key);
    // Neighbours of the key colour must stay visible.
    image.setPixel(0, 0, key ^ 0x000001);
    image.setPixel(1, 0, key ^ 0x010000);
    return image;
}

QImage fewColours(int width, int height)
{
    const QRgb colours[] = {qRgb(0x04, 0x02, 0xFC), qRgb(0, 0, 0x80), qRgb(0xFC, 0xFE, 0x04), qRgb(255, 255, 255),
                            qRgb(0x04, 0xAA, 0xA4)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[(x * 3 + y) % 5]);
    return image;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestToolCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gifKeyColourBecomesTransparentAndNothingElse_data();
    void gifKeyColourBecomesTransparentAndNothingElse();
    void gifWithoutKeyIsOpaque();
    void fewColoursSurviveExactly_data();
    void fewColoursSurviveExactly();
    void writeErrorNamesTheFile();
    void minchoCoverage();
};

void TestToolCommon::gifKeyColourBecomesTransparentAndNothingElse_data()
{
    QTest::addColumn<QRgb>("key");
    QTest::newRow("grey") << qRgb(0xC0, 0xC0, 0xC0);
    QTest::newRow("black") << qRgb(0, 0, 0);
    QTest::newRow("white") << qRgb(255, 255, 255);
}

void TestToolCommon::gifKeyColourBecomesTransparentAndNothingElse()
{
    QFETCH(QRgb, key);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keyed.gif"));
    const QImage source = manyColoursAround(key);
    QString error;
    QVERIFY2(writeGif(source, path, key, &error), qPrintable(error));
    QCOMPARE(readAll(path).left(6), QByteArray("GIF89a"));

    const QImage back = QImageReader(path).read();
    QCOMPARE(back.size(), source.size());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const bool isKey = (source.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF);
            if (isKey != (qAlpha(back.pixel(x, y)) == 0))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2: key %3, read back alpha %4")
                                     .arg(x).arg(y).arg(isKey).arg(qAlpha(back.pixel(x, y)))));
        }
    }

    // Same picture, same bytes: regenerated files must compare equal.
    const QString again = dir.filePath(QStringLiteral("again.gif"));
    QVERIFY(writeGif(source, again, key, &error));
    QCOMPARE(readAll(again), readAll(path));
}

void TestToolCommon::gifWithoutKeyIsOpaque()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.gif"));
    QString error;
    QVERIFY2(writeGif(manyColoursAround(qRgb(0, 0, 0)), path, std::nullopt, &error), qPrintable(error));
    QCOMPARE(readAll(path).left(6), QByteArray("GIF87a"));
    QVERIFY(!QImageReader(path).read().hasAlphaChannel());
}

void TestToolCommon::fewColoursSurviveExactly_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("width");
    // Odd widths make the BMP rows need padding to four bytes.
    for (int width : {1, 3, 6, 33}) {
        QTest::addRow("gif %d px wide", width) << QStringLiteral("gif") << width;
        QTest::addRow("bmp %d px wide", width) << QStringLiteral("bmp") << width;
    }
}

void TestToolCommon::fewColoursSurviveExactly()
{
    QFETCH(QString, format);
    QFETCH(int, width);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("few.") + format);
    const QImage source = fewColours(width, 7);
    QString error;
    const bool ok = format == QLatin1String("gif") ? writeGif(source, path, std::nullopt, &error)
                                                   : writeIndexedBmp(source, path, &error);
    QVERIFY2(ok, qPrintable(error));
    if (format == QLatin1String("bmp")) {
        const QByteArray bytes = readAll(path);
        QCOMPARE(int(quint8(bytes[28])), 8); // bits per pixel
        QCOMPARE(bytes.size(), 14 + 40 + 1024 + ((width + 3) & ~3) * 7);
    }
    const QImage back = QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back, source);
}

void TestToolCommon::writeErrorNamesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/x.gif"));
    QString error;
    QVERIFY(!writeGif(fewColours(4, 4), path, std::nullopt, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    error.clear();
    QVERIFY(!writeIndexedBmp(fewColours(4, 4), dir.filePath(QStringLiteral("no/x.bmp")), &error));
    QVERIFY2(error.contains(QStringLiteral("no/x.bmp")), qPrintable(error));
}

void TestToolCommon::minchoCoverage()
{
    if (!FontPicker::minchoInstalled())
        QSKIP("no Mincho face installed");
    const QFont font = FontPicker::mincho(16);
    QVERIFY(FontPicker::covers(font, QStringLiteral("文法ドリル、３・４級。")));
    QString missing;
    // An emoji is in no Mincho face; it must be reported, once.
    QVERIFY(!FontPicker::covers(font, QStringLiteral("あ\U0001F600い\U0001F600"), &missing));
    QCOMPARE(missing, QStringLiteral("\U0001F600"));
}

QTEST_MAIN(TestToolCommon)
#include "tst_toolcommon.moc"
