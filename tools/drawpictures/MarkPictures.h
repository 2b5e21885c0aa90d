#pragma once

#include <QImage>

// The marks laid over the drill: right/wrong, the ring round the right choice, the bonus
// and pass banners. All are keyed with a transparent colour.
namespace MarkPictures {

QImage correct();       // 199x195, grey key: thick red ring
QImage wrong();         // 211x207, grey key: red cross
QImage ring();          // 40x40, black key: thin ring, exactly centred
QImage bonus();         // 282x100, white key
QImage pass();          // 342x113, white key

} // namespace MarkPictures
