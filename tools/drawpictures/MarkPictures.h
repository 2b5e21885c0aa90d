#pragma once

#include <QImage>

// The marks laid over the drill: right/wrong, the ring round the right choice, the bonus
// and pass banners. All are keyed with a transparent colour.
namespace MarkPictures {

// Sizes at scale 1; `scale` draws them with that many device pixels per pixel.
QImage correct(int scale);       // 199x195, grey key: thick red ring
QImage wrong(int scale);         // 211x207, grey key: red cross
QImage ring(int scale);          // 40x40, black key: thin ring, exactly centred
QImage bonus(int scale);         // 282x100, white key
QImage pass(int scale);          // 342x113, white key

} // namespace MarkPictures
