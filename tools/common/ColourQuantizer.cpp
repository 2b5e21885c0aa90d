#include "ColourQuantizer.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

struct WeightedColour
{
    QRgb rgb;
    qint64 count;
};

int channel(QRgb c, int which)
{
    switch (which) {
    case 0: return qRed(c);
    case 1: return qGreen(c);
    default: return qBlue(c);
    }
}

// A box of the median cut: a run [begin, end) of the colour vector.
struct Box
{
    int begin;
    int end;
    qint64 weight;
    int widestChannel;
    int widestRange;
};

Box makeBox(const std::vector<WeightedColour>& colours, int begin, int end)
{
    Box box{begin, end, 0, 0, 0};
    int lo[3] = {255, 255, 255};
    int hi[3] = {0, 0, 0};
    for (int i = begin; i < end; ++i) {
        box.weight += colours[i].count;
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], channel(colours[i].rgb, c));
            hi[c] = std::max(hi[c], channel(colours[i].rgb, c));
        }
    }
    for (int c = 0; c < 3; ++c) {
        if (hi[c] - lo[c] > box.widestRange) {
            box.widestRange = hi[c] - lo[c];
            box.widestChannel = c;
        }
    }
    return box;
}

QRgb averageOf(const std::vector<WeightedColour>& colours, const Box& box)
{
    qint64 sum[3] = {0, 0, 0};
    for (int i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c)
            sum[c] += channel(colours[i].rgb, c) * colours[i].count;
    const qint64 w = std::max<qint64>(box.weight, 1);
    return qRgb(int((sum[0] + w / 2) / w), int((sum[1] + w / 2) / w), int((sum[2] + w / 2) / w));
}

std::vector<QRgb> medianCut(std::vector<WeightedColour> colours, int paletteSize)
{
    std::vector<Box> boxes{makeBox(colours, 0, int(colours.size()))};
    while (int(boxes.size()) < paletteSize) {
        // Split the box whose spread matters most: wide range times many pixels.
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box& b = boxes[i];
            if (b.end - b.begin < 2 || b.widestRange == 0)
                continue;
            const double score = double(b.widestRange) * double(b.weight);
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0)
            break;
        const Box box = boxes[best];
        const int c = box.widestChannel;
        // Sorting by the channel, then by the whole value, is a total order: same input, same cut.
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [c](const WeightedColour& a, const WeightedColour& b) {
                      const int ca = channel(a.rgb, c), cb = channel(b.rgb, c);
                      return ca != cb ? ca < cb : a.rgb < b.rgb;
                  });
        qint64 half = 0;
        int split = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            half += colours[i].count;
            split = i + 1;
            if (half * 2 >= box.weight)
                break;
        }
        boxes[best] = makeBox(colours, box.begin, split);
        boxes.push_back(makeBox(colours, split, box.end));
    }
    std::vector<QRgb> palette;
    palette.reserve(boxes.size());
    for (const Box& b : boxes)
        palette.push_back(averageOf(colours, b));
    return palette;
}

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted roughly by how sensitive the eye is to each primary.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

ColourQuantizer::Result ColourQuantizer::quantize(const QImage& source, std::optional<QRgb> reserved,
                                                  int maxColours)
{
    maxColours = std::clamp(maxColours, 2, 256);
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    const QRgb reservedRgb = reserved ? (*reserved | 0xff000000u) : 0;

    std::map<QRgb, qint64> histogram; // ordered, so the palette does not depend on hashing
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    if (reserved)
        histogram.erase(reservedRgb);

    const int freeEntries = maxColours - (reserved ? 1 : 0);
    std::vector<QRgb> palette;
    if (int(histogram.size()) <= freeEntries) {
        std::vector<WeightedColour> exact;
        for (const auto& [c, n] : histogram)
            exact.push_back({c, n});
        // Most frequent first; ties broken by value.
        std::stable_sort(exact.begin(), exact.end(),
                         [](const WeightedColour& a, const WeightedColour& b) { return a.count > b.count; });
        for (const WeightedColour& w : exact)
            palette.push_back(w.rgb);
    } else {
        // Colours that cover many pixels (flat fields, frames, lines) keep their exact value;
        // the median cut shares the remaining entries among the rest (gradients, edges).
        std::vector<WeightedColour> byCount;
        qint64 total = 0;
        for (const auto& [c, n] : histogram) {
            byCount.push_back({c, n});
            total += n;
        }
        std::stable_sort(byCount.begin(), byCount.end(),
                         [](const WeightedColour& a, const WeightedColour& b) { return a.count > b.count; });
        const qint64 popular = std::max<qint64>(16, total / 1000);
        const int maxExact = freeEntries / 4;
        std::vector<WeightedColour> rest;
        for (const WeightedColour& w : byCount) {
            if (int(palette.size()) < maxExact && w.count >= popular)
                palette.push_back(w.rgb);
            else
                rest.push_back(w);
        }
        std::sort(rest.begin(), rest.end(),
                  [](const WeightedColour& a, const WeightedColour& b) { return a.rgb < b.rgb; });
        const std::vector<QRgb> cut = medianCut(std::move(rest), freeEntries - int(palette.size()));
        palette.insert(palette.end(), cut.begin(), cut.end());
        // An averaged colour must never coincide with the reserved one, or opaque pixels would vanish.
        if (reserved) {
            for (QRgb& p : palette) {
                if ((p | 0xff000000u) == reservedRgb)
                    p = qRgb(qRed(p) ^ 1, qGreen(p), qBlue(p));
            }
        }
    }

    Result result;
    QList<QRgb> table;
    if (reserved) {
        result.reservedIndex = 0;
        table.append(reservedRgb);
    }
    for (QRgb p : palette)
        table.append(p | 0xff000000u);

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    const int firstFree = reserved ? 1 : 0;
    std::unordered_map<QRgb, int> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = in[x] | 0xff000000u;
            if (reserved && c == reservedRgb) {
                out[x] = 0;
                continue;
            }
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int bestIndex = firstFree;
                int bestDistance = INT_MAX;
                for (int i = firstFree; i < int(table.size()); ++i) {
                    const int d = distance2(c, table[i]);
                    if (d < bestDistance) {
                        bestDistance = d;
                        bestIndex = i;
                    }
                }
                it = nearest.emplace(c, bestIndex).first;
            }
            out[x] = uchar(it->second);
        }
    }
    result.image = indexed;
    return result;
}
