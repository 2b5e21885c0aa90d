#pragma once

#include <QString>

// The explanation in its two languages. Each text is one UTF-8 file compiled in from src/screens/menu,
// one line of the picture a line of the file; tools/drawpictures draws the pictures from the
// same files, so that what a screen reader says is what the picture shows.
namespace Explanation {

enum class Language { Japanese, English };

Language other(Language language);

// The built-in picture of the text.
QString picture(Language language);

// The text file, as compiled in (":/menu/explanation-ja.txt").
QString textFile(Language language);

// What a screen reader says on the control that holds the focus while the explanation is
// shown: the text, its lines joined by spaces, then the key that switches to the other
// language ("English: E.").
QString spoken(Language language);

// What the picture's tooltip says: the key or click that switches to the other language.
QString switchHint(Language language);

} // namespace Explanation
