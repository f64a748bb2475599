// One ordered record of what the host is told while a test runs: every
// command the main window gets and every message box shown. A registered
// message reads as its name and lParam ("ZEL2_DATE_CHANGE 0"), any other
// command as "WM_COMMAND wParam lParam", a box as "box: " and its text.
#pragma once

#include <string>
#include <vector>

std::vector<std::string>& HostEvents();
