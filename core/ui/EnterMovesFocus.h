#pragma once

#include <QWidget>

namespace lanze {

// Enter in a box moves the focus to the next control instead of pressing the dialog's default button,
// so that a form is filled from the keyboard and written only by Enter on "确定" itself.
void enterMovesFocus(QWidget* from, QWidget* to);

}  // namespace lanze
