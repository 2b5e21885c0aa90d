#include "widgets/ControlRegistry.h"

#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"

#include <QLabel>

void ControlRegistry::add(std::type_index keyType, int key, QWidget *control)
{
    Q_ASSERT_X(m_byKey.empty() || keyType == m_keyType, "ControlRegistry::add", "keys of two screens in one window");
    Q_ASSERT(key >= 0 && control);
    m_keyType = keyType;
    if (std::size_t(key) >= m_byKey.size())
        m_byKey.resize(std::size_t(key) + 1, nullptr);
    m_byKey[std::size_t(key)] = control;
    m_all.push_back(control);
}

QWidget *ControlRegistry::at(std::type_index keyType, int key) const
{
    if (keyType != m_keyType)
        return nullptr;
    QWidget *control = key >= 0 && std::size_t(key) < m_byKey.size() ? m_byKey[std::size_t(key)] : nullptr;
    Q_ASSERT_X(control, "ControlRegistry::control", "a control the layout table does not hold");
    return control;
}

PictureButton *ControlRegistry::asButton(QWidget *control)
{
    return qobject_cast<PictureButton *>(control);
}

PictureLabel *ControlRegistry::asImage(QWidget *control)
{
    return qobject_cast<PictureLabel *>(control);
}

QLabel *ControlRegistry::asLabel(QWidget *control)
{
    return qobject_cast<QLabel *>(control);
}
