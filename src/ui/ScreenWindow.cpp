#include "ui/ScreenWindow.h"

#include "ui/BuiltinPictures.h"
#include "ui/PictureButton.h"
#include "ui/PictureLabel.h"
#include "ui/RuntimeError.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>

ScreenWindow::ScreenWindow(const Design &design, const LayoutTable &controls)
    // A title bar with the icon, the caption and a close box; no minimize or maximize box.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_background(design.background)
{
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    setWindowIcon(QIcon(builtinPicture(Builtin::Icon)));
    setFixedSize(Twips::toPixels(design.clientWidth), Twips::toPixels(design.clientHeight));
    if (!design.backgroundPicture.isEmpty())
        m_backgroundPicture = builtinPicture(design.backgroundPicture);
    createControls(controls);
}

QPixmap ScreenWindow::builtinPicture(const QString &resourcePath)
{
    QPixmap picture(resourcePath);
    if (picture.isNull())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, resourcePath, QStringLiteral("built-in picture"));
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
                image->setPicture(builtinPicture(row->picture));
            widget = image;
            break;
        }
        case ControlKind::Button: {
            auto *button = new PictureButton(this);
            button->setGeometry(Twips::toPixels(row->left, row->top, row->width, row->height));
            if (!row->picture.isEmpty())
                button->setPicture(builtinPicture(row->picture));
            widget = button;
            break;
        }
        case ControlKind::Label: {
            auto *label = new QLabel(this);
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
        widget->setObjectName(row->name);
        if (!row->tooltip.isEmpty())
            widget->setToolTip(row->tooltip);
        widget->setVisible(row->visible);
        m_controls.insert(row->name, widget);
    }

    // Buttons lie over every image and label, keeping the table's order among themselves.
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (row->kind == ControlKind::Button)
            m_controls.value(row->name)->raise();

    std::vector<const LayoutRow *> tabbed;
    for (const LayoutRow &row : controls)
        if (row.tabIndex >= 0)
            tabbed.push_back(&row);
    std::sort(tabbed.begin(), tabbed.end(), [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(m_controls.value(tabbed[i - 1]->name), m_controls.value(tabbed[i]->name));
}

QWidget *ScreenWindow::control(const QString &name) const
{
    QWidget *widget = m_controls.value(name);
    Q_ASSERT_X(widget, "ScreenWindow::control", qPrintable(name));
    return widget;
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

void ScreenWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_backgroundPicture.isNull())
        painter.drawPixmap(0, 0, m_backgroundPicture);
}

void ScreenWindow::open()
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    // Once, as the screen opens: a window that comes back from being minimised or from another
    // workspace keeps the control the user moved to.
    if (m_initialFocus)
        m_initialFocus->setFocus(Qt::OtherFocusReason);
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
