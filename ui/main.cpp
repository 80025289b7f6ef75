#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Forms.h"
#include "Look.h"
#include "Unit1.h"
#include "UserDialogs.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("KELO"));
  QApplication::setWindowIcon(kelo::ui::WindowIcon());
  // The standard dialogs and buttons ("Ano", "Ne", "Storno") in Czech too.
  QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  kelo::ui::QtUserDialogs dialogs;
  kelo::ui::Forms forms;
  auto hlavni = kelo::ui::CreateForms(forms, dialogs);
  hlavni->showMaximized();
  QApplication::exec();
  return 0;
}
