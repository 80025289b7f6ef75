#pragma once

#include <memory>

namespace kelo::ui {

class UserDialogs;
class THlavni;
class TNovy;
class TZadejTab;
class TZahaj;

// The program's windows, created once at start in a fixed order and alive
// until the end; each window reaches the others through here.
struct Forms {
  UserDialogs* dialogs = nullptr;
  THlavni* Hlavni = nullptr;
  TZahaj* Zahaj = nullptr;
  TNovy* Novy = nullptr;
  TZadejTab* ZadejTab = nullptr;
};

// Creates every window, the main window first; the main window owns the
// others. The returned main window is not shown yet.
std::unique_ptr<THlavni> CreateForms(Forms& forms, UserDialogs& dialogs);

}  // namespace kelo::ui
