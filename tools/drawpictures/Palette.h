#pragma once

#include <QColor>
#include <QRgb>

// Colours the pictures share, where one picture must match another or the program's own
// drawing (the train car stands on the board's teal, the marks key out exact colours).
namespace Palette {

inline const QColor fieldBlue{0x04, 0x02, 0xFC};   // board field, grade slots, box fields
inline const QColor navy{0x00, 0x00, 0x80};        // question and choice panels
inline const QColor darkBlue{0x00, 0x00, 0xB8};    // grade window field
inline const QColor trackYellow{0xFC, 0xFE, 0x04};
inline const QColor trackTeal{0x04, 0xAA, 0xA4};
inline const QColor bandBlue{0x00, 0x00, 0x60};     // band under the rail that carries the ticks
inline const QColor balloonRed{0xFC, 0x02, 0x04};
inline const QColor markRed{0xF0, 0x10, 0x18};

inline constexpr QRgb greyKey = 0xffC0C0C0;
inline constexpr QRgb whiteKey = 0xffFFFFFF;
inline constexpr QRgb blackKey = 0xff000000;

} // namespace Palette
