#pragma once

// Makes a window's controls from its layout table.

#include "widgets/LayoutRow.h"

class ControlRegistry;
class QWidget;

namespace ControlBuilder {

// Creates the controls of the table on window, in its stacking and tab order, each with its
// built-in picture at the window's density, and files each under its key. Throws RuntimeError
// for a missing built-in picture.
void build(const LayoutTable &controls, QWidget *window, ControlRegistry &registry);

} // namespace ControlBuilder
