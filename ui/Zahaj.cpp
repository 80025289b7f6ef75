#include "Zahaj.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "Forms.h"
#include "Look.h"
#include "Nkon.h"
#include "Unit1.h"
#include "UserDialogs.h"
#include "ZadejTab.h"
#include "elicitation/StartEntries.h"

namespace kelo::ui {

TZahaj::TZahaj(Forms& forms, QWidget* parent) : QDialog(parent), forms_(forms) {
  setObjectName(QStringLiteral("Zahaj"));
  setWindowTitle(QStringLiteral("Zahájíme tím, že zadáme 5 objektů :"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyBackground(this);

  auto* fields = new QFormLayout;
  for (int i = 0; i < 5; ++i) {
    Edits[i] = new QLineEdit(this);
    Edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    Edits[i]->setMinimumWidth(260);
    ApplyBoldText(Edits[i], ObjectColor());
    fields->addRow(QStringLiteral("%1. objekt :").arg(i + 1), Edits[i]);
  }
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setAutoDefault(false);
  CancelBtn = new QPushButton(QStringLiteral("Storno"), this);
  CancelBtn->setAutoDefault(false);
  auto* top = new QHBoxLayout;
  top->addLayout(fields, 1);
  top->addWidget(EmblemLabel(this, 60), 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, &TZahaj::Hotovo);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TZahaj::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Edits[0]->setFocus();
}

void TZahaj::keyPressEvent(QKeyEvent* event) {
  // Enter moves on to the next field rather than pressing a button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextChild();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TZahaj::reject() {
  THlavni& hlavni = *forms_.Hlavni;
  hlavni.Base().Clear();
  hlavni.RefreshLists();
  QDialog::reject();
}

void TZahaj::Hotovo() {
  KnowledgeBase& base = forms_.Hlavni->Base();
  std::array<std::string, 5> texts;
  std::array<std::string_view, 5> entries;
  for (int i = 0; i < 5; ++i) {
    texts[i] = Edits[i]->text().toStdString();
    entries[i] = texts[i];
  }
  const auto results = AcceptStartEntries(base, entries);
  if (base.O.size() != 5) {
    // Blank and repeated names are refused silently; a name the files could
    // not hold is explained.
    for (int i = 0; i < 5; ++i) {
      if (results[i].outcome == StartEntryOutcome::kUnstorable) {
        forms_.dialogs->Notice(this, QString::fromStdString(results[i].message));
        Edits[i]->setFocus();
        break;
      }
    }
    return;
  }
  accept();
  RunStartSequence();
}

void TZahaj::RunStartSequence() {
  THlavni& hlavni = *forms_.Hlavni;
  hlavni.RefreshLists();
  hlavni.ShowLists(true, false);
  forms_.Novy->Tag = 0;
  for (int triad = 0; triad < 3; ++triad) forms_.Novy->exec();
  hlavni.RefreshLists();
  hlavni.ShowLists(true, true);
  TZadejTab& rating = *forms_.ZadejTab;
  for (int i = 0; i < 5; ++i) {
    rating.Tag = i;
    rating.Panel3->setText(QString::fromStdString(hlavni.Base().O.name(i)));
    rating.Sesit->setCurrentIndex(0);
    rating.ShowModal();
    // With every triad cancelled there is nothing to rate; one notice is enough.
    if (hlavni.Base().K.empty()) break;
  }
  hlavni.EnableBaseMenus();
  forms_.dialogs->Notice(&hlavni, QStringLiteral("Nyní doporučuji zadané údaje uložit."));
}

}  // namespace kelo::ui
