#include "widgets/ControlBuilder.h"

#include "widgets/ControlRegistry.h"
#include "widgets/NumberLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/Twips.h"

#include <algorithm>

namespace {

QWidget *createControl(const LayoutRow &row, QWidget *window)
{
    const QRect geometry = Twips::toPixels(row.left, row.top, row.width, row.height);
    switch (row.kind) {
    case ControlKind::Image: {
        auto *image = new PictureLabel(window);
        image->setGeometry(geometry);
        if (!row.picture.isEmpty())
            image->setBuiltinPicture(row.picture, window->devicePixelRatioF());
        return image;
    }
    case ControlKind::Button: {
        auto *button = new PictureButton(window);
        button->setGeometry(geometry);
        if (!row.picture.isEmpty())
            button->setBuiltinPicture(row.picture, window->devicePixelRatioF());
        return button;
    }
    case ControlKind::Label: {
        // Only numbers are shown in labels here.
        auto *label = new NumberLabel(window);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(false);
        label->setAutoFillBackground(false);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

void ControlBuilder::build(const LayoutTable &controls, QWidget *window, ControlRegistry &registry)
{
    std::vector<QWidget *> made(controls.size(), nullptr);
    // Created back to front, so that each control lies over those listed after it.
    for (std::size_t i = controls.size(); i-- > 0;) {
        const LayoutRow &row = controls[i];
        QWidget *widget = createControl(row, window);
        widget->setObjectName(row.key.name);
        if (!row.tooltip.isEmpty())
            widget->setToolTip(row.tooltip);
        if (!row.accessibleName.isEmpty())
            widget->setAccessibleName(row.accessibleName);
        widget->setVisible(row.visible);
        registry.add(row.key.type, row.key.index, widget);
        made[i] = widget;
    }

    // Buttons lie over every image and label, keeping the table's order among themselves.
    for (std::size_t i = controls.size(); i-- > 0;)
        if (controls[i].kind == ControlKind::Button)
            made[i]->raise();

    std::vector<std::size_t> tabbed;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].tabIndex >= 0)
            tabbed.push_back(i);
    std::sort(tabbed.begin(), tabbed.end(),
              [&](std::size_t a, std::size_t b) { return controls[a].tabIndex < controls[b].tabIndex; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(made[tabbed[i - 1]], made[tabbed[i]]);
}
