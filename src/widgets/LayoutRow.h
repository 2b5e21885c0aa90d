#pragma once

// A screen's layout table: one row per control, keyed by the screen's control enum, in twips.

#include <QString>

#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

enum class ControlKind {
    Image,  // PictureLabel: takes its picture's size; a GIF's transparent colour shows what lies below
    Button, // PictureButton: graphical, picture centred and clipped, no caption
    Label,  // QLabel: transparent, fixed size; the screen sets its font and colour
};

// Which control a row lays out: a member of the screen's own control enum, so that a misspelt
// control does not compile, and the role name the widget carries as its object name ("ring").
struct ControlKey
{
    template <typename Key>
        requires std::is_enum_v<Key>
    ControlKey(Key key, const char *roleName) : ControlKey(key, QString::fromLatin1(roleName))
    {
    }
    template <typename Key>
        requires std::is_enum_v<Key>
    ControlKey(Key key, QString roleName) : type(typeid(Key)), index(static_cast<int>(key)), name(std::move(roleName))
    {
    }
    std::type_index type; // the screen's control enum
    int index;
    QString name;
};

// One row of a screen's layout table. Geometry in twips from the client area's top-left corner.
struct LayoutRow
{
    ControlKey key;
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
