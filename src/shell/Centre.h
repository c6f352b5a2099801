#pragma once
#include <QWidget>

namespace gavlin {
// Places a window in the middle of the screen, as the small windows are when they load.
void CentreOnScreen(QWidget* window);
}  // namespace gavlin
