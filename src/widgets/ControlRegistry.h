#pragma once

// The controls of one window by the screen's control enum.

#include <QWidget>

#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <vector>

class PictureButton;
class PictureLabel;
class QLabel;

// Finds a window's controls by the key its layout table gives each: a member of the screen's
// own control enum, so that a misspelt control does not compile. A key of another screen's
// enum finds nothing (null): a driver that stands outside the screens may ask the window on
// show for a control of the screen it expects.
class ControlRegistry
{
public:
    template <typename Key>
        requires std::is_enum_v<Key>
    void add(Key key, QWidget *control)
    {
        add(typeid(Key), static_cast<int>(key), control);
    }
    // For the layout table's rows, whose keys carry their enum's type.
    void add(std::type_index keyType, int key, QWidget *control);

    template <typename Key>
        requires std::is_enum_v<Key>
    QWidget *control(Key key) const
    {
        return at(typeid(Key), static_cast<int>(key));
    }
    template <typename Key>
        requires std::is_enum_v<Key>
    PictureButton *button(Key key) const
    {
        return asButton(control(key));
    }
    template <typename Key>
        requires std::is_enum_v<Key>
    PictureLabel *image(Key key) const
    {
        return asImage(control(key));
    }
    template <typename Key>
        requires std::is_enum_v<Key>
    QLabel *label(Key key) const
    {
        return asLabel(control(key));
    }

    // Every control, in no particular order.
    const std::vector<QWidget *> &all() const { return m_all; }

private:
    QWidget *at(std::type_index keyType, int key) const;
    static PictureButton *asButton(QWidget *control);
    static PictureLabel *asImage(QWidget *control);
    static QLabel *asLabel(QWidget *control);

    std::type_index m_keyType = typeid(void);
    std::vector<QWidget *> m_byKey;
    std::vector<QWidget *> m_all;
};
