#include "widgets/ScreenWindow.h"

#include "error/RuntimeError.h"
#include "platform/PictureDensity.h"
#include "widgets/BuiltinPictures.h"
#include "widgets/NumberLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

ScreenWindow::ScreenWindow(const Design &design, const LayoutTable &controls)
    // A title bar with the icon, the caption and a close box; no minimize or maximize box.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_caption(design.caption), m_background(design.background)
{
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    // Both densities of the icon: the window manager takes the one it needs.
    QIcon icon(builtinPicture(Builtin::Icon));
    icon.addPixmap(builtinPicture(Builtin::Icon, 2));
    setWindowIcon(icon);
    setFixedSize(Twips::toPixels(design.clientWidth), Twips::toPixels(design.clientHeight));
    m_backgroundPath = design.backgroundPicture;
    if (!design.backgroundPicture.isEmpty())
        m_backgroundPicture = builtinPicture(design.backgroundPicture, devicePixelRatioF());
    createControls(controls);
}

QPixmap ScreenWindow::builtinPicture(const QString &resourcePath, qreal devicePixelRatio)
{
    const PictureDensity::Choice choice = PictureDensity::choose(resourcePath, devicePixelRatio);
    QPixmap picture(choice.file);
    if (picture.isNull())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, choice.file, QStringLiteral("built-in picture"));
    picture.setDevicePixelRatio(choice.devicePixelRatio);
    return picture;
}

void ScreenWindow::createControls(const LayoutTable &controls)
{
    // Created back to front, so that each control lies over those listed after it.
    for (auto row = controls.rbegin(); row != controls.rend(); ++row) {
        QWidget *widget = nullptr;
        switch (row->kind) {
        case ControlKind::Image: {
            auto *image = new PictureLabel(this);
            image->setGeometry(Twips::toPixels(row->left, row->top, row->width, row->height));
            if (!row->picture.isEmpty())
                image->setPicture(builtinPicture(row->picture, devicePixelRatioF()));
            widget = image;
            break;
        }
        case ControlKind::Button: {
            auto *button = new PictureButton(this);
            button->setGeometry(Twips::toPixels(row->left, row->top, row->width, row->height));
            if (!row->picture.isEmpty())
                button->setPicture(builtinPicture(row->picture, devicePixelRatioF()));
            widget = button;
            break;
        }
        case ControlKind::Label: {
            // Only numbers are shown in labels here.
            auto *label = new NumberLabel(this);
            label->setGeometry(Twips::toPixels(row->left, row->top, row->width, row->height));
            label->setAlignment(Qt::AlignCenter);
            label->setWordWrap(false);
            label->setAutoFillBackground(false);
            label->setAttribute(Qt::WA_TranslucentBackground);
            label->setFocusPolicy(Qt::NoFocus);
            widget = label;
            break;
        }
        }
        if (row->kind != ControlKind::Label && !row->picture.isEmpty())
            m_builtinPaths.insert(row->key.name, row->picture);
        widget->setObjectName(row->key.name);
        if (!row->tooltip.isEmpty())
            widget->setToolTip(row->tooltip);
        if (!row->accessibleName.isEmpty())
            widget->setAccessibleName(row->accessibleName);
        widget->setVisible(row->visible);
        m_controls.insert(row->key.name, widget);
        if (std::size_t(row->key.index) >= m_byKey.size())
            m_byKey.resize(std::size_t(row->key.index) + 1, nullptr);
        m_byKey[std::size_t(row->key.index)] = widget;
    }

    // Buttons lie over every image and label, keeping the table's order among themselves.
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (row->kind == ControlKind::Button)
            m_controls.value(row->key.name)->raise();

    std::vector<const LayoutRow *> tabbed;
    for (const LayoutRow &row : controls)
        if (row.tabIndex >= 0)
            tabbed.push_back(&row);
    std::sort(tabbed.begin(), tabbed.end(), [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(m_controls.value(tabbed[i - 1]->key.name), m_controls.value(tabbed[i]->key.name));
}

QWidget *ScreenWindow::control(const QString &name) const
{
    QWidget *widget = m_controls.value(name);
    Q_ASSERT_X(widget, "ScreenWindow::control", qPrintable(name));
    return widget;
}

QWidget *ScreenWindow::controlAt(int key) const
{
    QWidget *widget = key >= 0 && std::size_t(key) < m_byKey.size() ? m_byKey[std::size_t(key)] : nullptr;
    Q_ASSERT_X(widget, "ScreenWindow::control", "a control the layout table does not hold");
    return widget;
}

PictureButton *ScreenWindow::buttonAt(int key) const
{
    return qobject_cast<PictureButton *>(controlAt(key));
}

PictureLabel *ScreenWindow::imageAt(int key) const
{
    return qobject_cast<PictureLabel *>(controlAt(key));
}

QLabel *ScreenWindow::labelAt(int key) const
{
    return qobject_cast<QLabel *>(controlAt(key));
}

PictureButton *ScreenWindow::button(const QString &name) const
{
    return qobject_cast<PictureButton *>(control(name));
}

PictureLabel *ScreenWindow::image(const QString &name) const
{
    return qobject_cast<PictureLabel *>(control(name));
}

QLabel *ScreenWindow::label(const QString &name) const
{
    return qobject_cast<QLabel *>(control(name));
}

void ScreenWindow::setInitialFocus(QWidget *control)
{
    m_initialFocus = control;
    if (control)
        control->setFocus(Qt::OtherFocusReason);
}

void ScreenWindow::showSoundMuted(bool muted)
{
    setWindowTitle(muted ? m_caption + QStringLiteral("（消音）") : m_caption);
}

void ScreenWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_backgroundPicture.isNull())
        painter.drawPixmap(0, 0, m_backgroundPicture);
}

void ScreenWindow::showBuiltinPicturesFor(qreal devicePixelRatio)
{
    if (!m_backgroundPath.isEmpty())
        m_backgroundPicture = builtinPicture(m_backgroundPath, devicePixelRatio);
    for (auto entry = m_builtinPaths.cbegin(); entry != m_builtinPaths.cend(); ++entry) {
        // A picture that is still the built-in one has the same pixels as one of its two files.
        const QImage builtinPixels = builtinPicture(entry.value(), 1.0).toImage();
        const QImage twicePixels = builtinPicture(entry.value(), 2.0).toImage();
        const auto isBuiltin = [&](const QPixmap &shown) {
            const QImage pixels = shown.toImage();
            return pixels == builtinPixels || pixels == twicePixels;
        };
        if (PictureLabel *label = image(entry.key()); label && isBuiltin(label->picture()))
            label->setPicture(builtinPicture(entry.value(), devicePixelRatio));
        else if (PictureButton *face = button(entry.key()); face && isBuiltin(face->picture()))
            face->setPicture(builtinPicture(entry.value(), devicePixelRatio));
    }
    update();
}

void ScreenWindow::addBelow(QWidget *control)
{
    const int top = height();
    control->setParent(this);
    control->move(0, top);
    setFixedSize(width(), top + control->height());
    control->show();
}

void ScreenWindow::open()
{
    centre();
    show();
    // A window manager frames the window once it is mapped: centre it again then if its frame
    // is not the one assumed.
    m_awaitingFrame = true;
    windowHandle()->installEventFilter(this);
    // Once, as the screen opens: a window that comes back from being minimised or from another
    // workspace keeps the control the user moved to.
    if (m_initialFocus)
        m_initialFocus->setFocus(Qt::OtherFocusReason);
    if (QWindow *handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, [this] { showBuiltinPicturesFor(devicePixelRatioF()); });
    // A window manager activates a new window itself; without one (or with a strict one) the
    // keyboard focus and tooltips would wait for the first click.
    activateWindow();
}

namespace {
// The frame that the last screen window was given: the three screens' windows are alike, so
// the next one can be placed right before the window manager frames it.
QMargins lastFrame;
} // namespace

QMargins ScreenWindow::frameMargins() const
{
    const QRect frame = frameGeometry(), client = geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void ScreenWindow::centre(const QMargins &frame)
{
    const QScreen *where = screen();
    if (!where)
        return;
    const QRect area = where->availableGeometry();
    const QSize outer = size().grownBy(frame);
    // A window's position is its frame's.
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void ScreenWindow::centre()
{
    const QMargins known = frameMargins();
    centre(known.isNull() ? lastFrame : known);
}

bool ScreenWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The frame is known once the window manager has framed the window: by its first exposure
    // as a rule, by a later move or exposure when it is slow. With no frame to be seen (no
    // window manager) the first placing holds.
    const bool placed = event->type() == QEvent::Expose || event->type() == QEvent::Move;
    if (m_awaitingFrame && watched == windowHandle() && placed) {
        const QMargins frame = frameMargins();
        if (!frame.isNull()) {
            m_awaitingFrame = false;
            windowHandle()->removeEventFilter(this);
            if (frame != lastFrame) {
                lastFrame = frame;
                centre(frame);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closeBoxPressed();
}

void ScreenWindow::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    Q_EMIT backgroundPointerMoved();
}
