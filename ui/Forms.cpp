#include "Forms.h"

#include "Nkon.h"
#include "Unit1.h"
#include "ZadejTab.h"
#include "Zahaj.h"

namespace kelo::ui {

std::unique_ptr<THlavni> CreateForms(Forms& forms, UserDialogs& dialogs) {
  forms.dialogs = &dialogs;
  auto hlavni = std::make_unique<THlavni>(forms);
  forms.Hlavni = hlavni.get();
  forms.Zahaj = new TZahaj(forms, hlavni.get());
  forms.Novy = new TNovy(forms, hlavni.get());
  forms.ZadejTab = new TZadejTab(forms, hlavni.get());
  return hlavni;
}

}  // namespace kelo::ui
