#pragma once

#include <QString>
#include <vector>

enum class ControlKind {
    Image,  // PictureLabel: takes its picture's size; a GIF's transparent colour shows what lies below
    Button, // PictureButton: graphical, picture centred and clipped, no caption
    Label,  // QLabel: transparent, fixed size; the screen sets its font and colour
};

// One row of a screen's layout table. Geometry in twips from the client area's top-left corner.
struct LayoutRow
{
    QString name;      // "Command1(4)", "Image14", "Label1"
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    bool visible;
    QString picture;   // resource path of the built-in picture, or empty
    QString tooltip;   // empty for none
    int tabIndex = -1; // buttons only; -1: not in the tab order
    QString accessibleName = {}; // what assistive technology calls it: what the button does (戻る)
};

// A layout table lists its controls front to back, as a stacking order: each lies over those
// listed after it. Buttons lie over every image and label whatever their place.
using LayoutTable = std::vector<LayoutRow>;
