#pragma once

// The window of one screen, built from its layout table.

#include "widgets/LayoutRow.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <type_traits>
#include <vector>

class PictureButton;
class PictureLabel;
class QLabel;

// The window of one screen in its designed state: fixed client size, title and close box
// only, centred when shown, the background picture drawn from the top-left corner at its
// natural size (what does not fit is cut off), and the controls of its layout table.
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

    // The control of a layout row, by the screen's control enum.
    template <typename Key>
        requires std::is_enum_v<Key>
    PictureButton *button(Key key) const { return buttonAt(static_cast<int>(key)); }
    template <typename Key>
        requires std::is_enum_v<Key>
    PictureLabel *image(Key key) const { return imageAt(static_cast<int>(key)); }
    template <typename Key>
        requires std::is_enum_v<Key>
    QLabel *label(Key key) const { return labelAt(static_cast<int>(key)); }
    template <typename Key>
        requires std::is_enum_v<Key>
    QWidget *control(Key key) const { return controlAt(static_cast<int>(key)); }

    // The control by its role name ("nextButton"), for tests and drivers that stand outside
    // the screens; the screens use their enum.
    PictureButton *button(const QString &roleName) const;
    PictureLabel *image(const QString &roleName) const;
    QLabel *label(const QString &roleName) const;
    QWidget *control(const QString &roleName) const;

    // Adds a control under the designed client area, at its left edge: the window grows by
    // the control's height and keeps a fixed size. Before the window is opened, so that it is
    // centred as a whole and never changes size while on show.
    void addBelow(QWidget *control);

    // Shows the window with its frame centred on the screen's free area.
    void open();

    // The title says （消音） after the caption while the program's sound is muted.
    void showSoundMuted(bool muted);

    // The control that holds the keyboard focus when the window opens (not each time it is
    // shown again).
    void setInitialFocus(QWidget *control);

    // Loads a built-in picture compiled into the program: the one of twice the density beside
    // it where devicePixelRatio is above 1 (the rule of the data pictures, PictureDensity).
    static QPixmap builtinPicture(const QString &resourcePath, qreal devicePixelRatio = 1.0);

    // Gives the background and every control that still shows its built-in picture that
    // picture for a screen of this ratio; a picture set since (a question, a grade button
    // from the title folder) stays, and follows at its own next change. Called when the
    // window moves to another screen.
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(const LayoutTable &controls);
    QWidget *controlAt(int key) const;
    PictureButton *buttonAt(int key) const;
    PictureLabel *imageAt(int key) const;
    QLabel *labelAt(int key) const;
    // Moves the window, frame included, to the middle of its screen's free area; before it is
    // framed, with the frame the last window had.
    void centre();
    void centre(const QMargins &frame);
    QMargins frameMargins() const;

    QString m_caption;
    QColor m_background;
    QString m_backgroundPath;
    QPixmap m_backgroundPicture;
    // The controls given a built-in picture when created, with its resource path.
    QHash<QString, QString> m_builtinPaths;
    QHash<QString, QWidget *> m_controls;
    std::vector<QWidget *> m_byKey;
    QWidget *m_initialFocus = nullptr;
    bool m_awaitingFrame = false;
};
