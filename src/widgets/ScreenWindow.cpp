#include "widgets/ScreenWindow.h"

#include "widgets/BuiltinPicture.h"
#include "widgets/BuiltinPictures.h"
#include "widgets/ControlBuilder.h"
#include "widgets/FramePlacement.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPainter>
#include <QWindow>

ScreenWindow::ScreenWindow(const Design &design, const LayoutTable &controls)
    // A title bar with the icon, the caption and a close box; no minimize or maximize box.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_background(design.background)
{
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    // Both densities of the icon: the window manager takes the one it needs.
    QIcon icon(BuiltinPicture::load(Builtin::Icon));
    icon.addPixmap(BuiltinPicture::load(Builtin::Icon, 2));
    setWindowIcon(icon);
    setFixedSize(Twips::toPixels(design.clientWidth), Twips::toPixels(design.clientHeight));
    m_backgroundPath = design.backgroundPicture;
    if (!design.backgroundPicture.isEmpty())
        m_backgroundPicture = BuiltinPicture::load(design.backgroundPicture, devicePixelRatioF());
    ControlBuilder::build(controls, this, m_controls);
}

void ScreenWindow::setInitialFocus(QWidget *control)
{
    m_initialFocus = control;
    if (control)
        control->setFocus(Qt::OtherFocusReason);
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
        m_backgroundPicture = BuiltinPicture::load(m_backgroundPath, devicePixelRatio);
    // Each picture widget knows whether it shows a built-in picture, and which.
    for (QWidget *control : m_controls.all()) {
        if (auto *image = qobject_cast<PictureLabel *>(control))
            image->showBuiltinPictureFor(devicePixelRatio);
        else if (auto *button = qobject_cast<PictureButton *>(control))
            button->showBuiltinPictureFor(devicePixelRatio);
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

void ScreenWindow::open(FramePlacement &frames)
{
    frames.centre(this);
    show();
    frames.followFrame(this);
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
