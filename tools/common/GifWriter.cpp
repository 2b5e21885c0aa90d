#include "GifWriter.h"

#include "ColourQuantizer.h"

#include <QSaveFile>

#include <gif_lib.h>

#include <vector>

namespace {

int writeToSaveFile(GifFileType* gif, const GifByteType* data, int length)
{
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return int(file->write(reinterpret_cast<const char*>(data), length));
}

bool fail(QString* error, const QString& path, const QString& why)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
}

QString gifError(int code)
{
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("giflib error %1").arg(code);
}

} // namespace

bool writeGif(const QImage& image, const QString& path, std::optional<QRgb> transparent, QString* error,
              const QString& comment)
{
    if (image.isNull() || image.width() > 65535 || image.height() > 65535)
        return fail(error, path, QStringLiteral("cannot write an empty or oversized picture as GIF"));
    // giflib takes the comment as a C string: it would end at the first NUL.
    if (comment.contains(QChar(0)))
        return fail(error, path, QStringLiteral("a GIF comment cannot hold a NUL character"));

    const ColourQuantizer::Result q = ColourQuantizer::quantize(image, transparent, 256);
    const QList<QRgb> table = q.image.colorTable();

    // GIF colour tables hold a power of two entries, at least two.
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    std::vector<GifColorType> colours(size_t(1) << bits, GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i)
        colours[size_t(i)] = GifColorType{GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                                          GifByteType(qBlue(table[i]))};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, QStringLiteral("cannot open for writing: %1").arg(file.errorString()));

    int code = 0;
    GifFileType* gif = EGifOpen(&file, writeToSaveFile, &code);
    if (!gif)
        return fail(error, path, gifError(code));

    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    if (!map) {
        EGifCloseFile(gif, &code);
        return fail(error, path, QStringLiteral("out of memory for the colour table"));
    }

    auto closeWithError = [&](int failing) {
        GifFreeMapObject(map);
        EGifCloseFile(gif, &code);
        return fail(error, path, gifError(failing));
    };

    EGifSetGifVersion(gif, transparent.has_value() || !comment.isEmpty());
    if (EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) == GIF_ERROR)
        return closeWithError(gif->Error);

    if (!comment.isEmpty()) {
        // giflib cuts the text into sub-blocks of 255 bytes.
        const QByteArray text = comment.toUtf8();
        if (EGifPutComment(gif, text.constData()) == GIF_ERROR)
            return closeWithError(gif->Error);
    }

    if (transparent) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = q.reservedIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
            return closeWithError(gif->Error);
    }

    if (EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_ERROR)
        return closeWithError(gif->Error);
    for (int y = 0; y < image.height(); ++y) {
        // giflib takes a non-const line but does not modify it.
        auto* line = const_cast<GifPixelType*>(q.image.constScanLine(y));
        if (EGifPutLine(gif, line, image.width()) == GIF_ERROR)
            return closeWithError(gif->Error);
    }

    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &code) == GIF_ERROR)
        return fail(error, path, gifError(code));
    if (!file.commit())
        return fail(error, path, QStringLiteral("cannot write: %1").arg(file.errorString()));
    return true;
}
