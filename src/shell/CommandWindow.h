#pragma once
#include <QWidget>
#include <functional>

namespace gavlin {

// Opens a command window the way every command does: the main window is
// disabled, the window is shown without being modal, and the main window is
// enabled again when the window goes away, however it is closed.
void OpenCommandWindow(QWidget* mainWindow, QWidget* window);

// The handler of one menu command, given the main window. Subsystems register
// theirs at start-up; a menu item without a handler stays disabled.
using MenuHandler = std::function<void(QWidget* mainWindow)>;
void RegisterMenuHandler(const char* menuObjectName, MenuHandler handler);
const MenuHandler* FindMenuHandler(const QString& menuObjectName);

}  // namespace gavlin
