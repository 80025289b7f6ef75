#include <QApplication>

#include "Forms.h"
#include "Look.h"
#include "Unit1.h"
#include "UserDialogs.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("KELO"));
  QApplication::setWindowIcon(kelo::ui::WindowIcon());
  kelo::ui::QtUserDialogs dialogs;
  kelo::ui::Forms forms;
  auto hlavni = kelo::ui::CreateForms(forms, dialogs);
  hlavni->showMaximized();
  QApplication::exec();
  return 0;
}
