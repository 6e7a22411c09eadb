#pragma once

class frmVn_Main;

// The commands that take data and pictures in and out of the program, in
// the main window's File menu and in the graph's context menu.
namespace ExchangeMenus {

void AddCommands(frmVn_Main &main);

} // namespace ExchangeMenus
