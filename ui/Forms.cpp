#include "Forms.h"

#include "Unit1.h"

namespace kelo::ui {

std::unique_ptr<THlavni> CreateForms(Forms& forms, UserDialogs& dialogs) {
  forms.dialogs = &dialogs;
  auto hlavni = std::make_unique<THlavni>(forms);
  forms.Hlavni = hlavni.get();
  return hlavni;
}

}  // namespace kelo::ui
