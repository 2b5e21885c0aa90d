#pragma once

// The window of one screen, built from its layout table.

#include "widgets/ControlRegistry.h"
#include "widgets/LayoutRow.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <type_traits>

class FramePlacement;
class PictureButton;
class PictureLabel;
class QLabel;

// The window of one screen in its designed state: fixed client size, title and close box
// only, the background picture drawn from the top-left corner at its natural size (what does
// not fit is cut off), and the controls of its layout table.
class ScreenWindow : public QWidget
{
    Q_OBJECT
public:
    struct Design
    {
        QString objectName;   // "ドリル"
        QString caption;      // "ドリル"
        int clientWidth;      // twips
        int clientHeight;     // twips
        QColor background;    // under the picture; seen only where the picture does not reach
        QString backgroundPicture; // resource path
    };

    ScreenWindow(const Design &design, const LayoutTable &controls);

    // The controls of the layout table, by the screen's control enum.
    const ControlRegistry &controls() const { return m_controls; }
    template <typename Key>
        requires std::is_enum_v<Key>
    PictureButton *button(Key key) const { return m_controls.button(key); }
    template <typename Key>
        requires std::is_enum_v<Key>
    PictureLabel *image(Key key) const { return m_controls.image(key); }
    template <typename Key>
        requires std::is_enum_v<Key>
    QLabel *label(Key key) const { return m_controls.label(key); }
    template <typename Key>
        requires std::is_enum_v<Key>
    QWidget *control(Key key) const { return m_controls.control(key); }

    // Adds a control under the designed client area, at its left edge: the window grows by
    // the control's height and keeps a fixed size. Before the window is opened, so that it is
    // centred as a whole and never changes size while on show.
    void addBelow(QWidget *control);

    // Shows the window, placed by frames, and gives the keyboard to it.
    void open(FramePlacement &frames);

    // The control that holds the keyboard focus when the window opens (not each time it is
    // shown again).
    void setInitialFocus(QWidget *control);

    // Gives the background and every control that shows a built-in picture that picture for a
    // screen of this ratio; a picture set since (a question, a grade button from the title
    // folder) stays, and follows at its own next change. Called when the window moves to
    // another screen.
    void showBuiltinPicturesFor(qreal devicePixelRatio);

Q_SIGNALS:
    // The user closed the window through its close box.
    void closeBoxPressed();
    // Pointer movement over the window itself, where no control lies under the pointer
    // (only while mouse tracking is on).
    void backgroundPointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QColor m_background;
    QString m_backgroundPath;
    QPixmap m_backgroundPicture;
    ControlRegistry m_controls;
    QWidget *m_initialFocus = nullptr;
};
