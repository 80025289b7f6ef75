#include "Nkon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Forms.h"
#include "Look.h"
#include "Unit1.h"
#include "UserDialogs.h"
#include "ZadejTab.h"
#include "consultation/Consultations.h"
#include "elicitation/Naming.h"

namespace kelo::ui {
namespace {

std::string Std(const QString& text) { return text.toStdString(); }

std::filesystem::path ConsultationsFileOf(const THlavni& hlavni) {
  return ConsultationsFileName(std::filesystem::path(Std(hlavni.CurrentFileName())));
}

}  // namespace

TNovy::TNovy(Forms& forms, QWidget* parent) : QDialog(parent), forms_(forms) {
  setObjectName(QStringLiteral("Novy"));
  setWindowTitle(QString());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  ApplyBackground(this);

  Label1 = new QLabel(this);
  Trojice = new QLabel(this);
  ApplyBoldText(Trojice, ObjectColor());
  Label3 = new QLabel(QStringLiteral("dva mají a jeden nemá :"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setMinimumWidth(260);
  Label4 = new QLabel(QStringLiteral("Název opačné vlastnosti :"), this);
  Edit2 = new QLineEdit(QStringLiteral("ne"), this);
  ApplyBoldText(Edit2, ConstructColor());
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setDefault(true);
  Storno = new QPushButton(QStringLiteral("Storno"), this);

  auto* fields = new QGridLayout;
  fields->addWidget(Label3, 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(Label4, 1, 0);
  fields->addWidget(Edit2, 1, 1);
  auto* text = new QVBoxLayout;
  text->addWidget(Label1);
  text->addWidget(Trojice);
  text->addLayout(fields);
  auto* top = new QHBoxLayout;
  top->addLayout(text, 1);
  top->addWidget(EmblemLabel(this, 60), 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(Storno);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  connect(Edit1, &QLineEdit::textChanged, this, &TNovy::Edit1Change);
  connect(OKBtn, &QPushButton::clicked, this, &TNovy::OKBtnClick);
  connect(Storno, &QPushButton::clicked, this, &QDialog::reject);
  ShowOpposite(false);
}

int TNovy::Mode() const { return forms_.Hlavni->Tag; }

void TNovy::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TNovy::ShowOpposite(bool shown) {
  Label4->setVisible(shown);
  Edit2->setVisible(shown);
}

void TNovy::FormActivate() {
  const int mode = Mode();
  const bool triad = mode == 1;
  {
    // Clearing the name must not propose an opposite before the mode says so.
    const QSignalBlocker blocker(Edit1);
    Edit1->clear();
  }
  Edit2->setText(QStringLiteral("ne"));
  ShowOpposite(false);
  Trojice->setVisible(triad);
  Label3->setVisible(triad);
  ApplyBoldText(Edit1, mode == 2 ? ObjectColor() : ConstructColor());
  switch (mode) {
    case 1:
      Label1->setText(QStringLiteral("Zadejte nějakou významnou vlastnost, kterou z objektů"));
      Trojice->setText(QString::fromStdString(TriadText(forms_.Hlavni->Base(), Tag)));
      // The position advances at activation, so Storno still moves on to
      // the next triad.
      ++Tag;
      break;
    case 2:
      Label1->setText(QStringLiteral("Zadejte nový objekt :"));
      break;
    case 3:
      Label1->setText(QStringLiteral("Zadejte nový konstrukt :"));
      break;
    case 5: {
      Label1->setText(QStringLiteral("Opravte jméno konstruktu :"));
      const auto& base = forms_.Hlavni->Base();
      if (RenamedConstruct >= 0 && RenamedConstruct < base.K.size()) {
        Edit1->setText(QString::fromStdString(base.K.name(RenamedConstruct)));
        Edit2->setText(QString::fromStdString(base.K[RenamedConstruct].Opposite));
      }
      break;
    }
    default:
      break;
  }
  Edit1->setFocus();
}

void TNovy::Edit1Change() {
  if (Mode() == 2) return;
  Edit2->setText(QString::fromStdString(DefaultOpposite(Std(Edit1->text()))));
  ShowOpposite(true);
}

void TNovy::OKBtnClick() {
  if (!ApplyMode()) return;
  accept();
  THlavni& hlavni = *forms_.Hlavni;
  hlavni.RefreshLists();
  if (Mode() > 1 && !hlavni.SaveBase()) return;
  hlavni.ShowCounts();
}

bool TNovy::ApplyMode() {
  THlavni& hlavni = *forms_.Hlavni;
  KnowledgeBase& base = hlavni.Base();
  const std::string name = Std(Edit1->text());
  const std::string opposite = Std(Edit2->text());
  const int mode = Mode();
  const Status accepted = mode == 2   ? AcceptObjectName(base, name)
                          : mode == 5 ? AcceptConstructName(base, name, opposite, RenamedConstruct)
                                      : AcceptConstructName(base, name, opposite);
  if (!accepted.ok()) {
    forms_.dialogs->Notice(this, QString::fromStdString(accepted.message()));
    return false;
  }
  switch (mode) {
    case 1:
      // The triad constructs assume the five start objects; any other base
      // gets an ordinary construct so both copies of the ratings stay aligned.
      if (base.O.size() == 5 && base.K.size() < 3)
        return base.AddTriadConstruct(name, opposite).ok();
      return base.AddNewConstruct(name, opposite).ok();
    case 2: {
      const auto position = base.AddNewObject(name);
      if (position.ok() && forms_.ZadejTab) forms_.ZadejTab->Tag = *position;
      return position.ok();
    }
    case 3: {
      const auto position = base.AddNewConstruct(name, opposite);
      if (!position.ok()) return false;
      Tag = *position;
      const auto inserted = InsertConstructIntoConsultations(ConsultationsFileOf(hlavni), Tag, base.K.size());
      if (!inserted.ok()) hlavni.ShowError(inserted);
      return true;
    }
    case 5: {
      if (RenamedConstruct < 0 || RenamedConstruct >= base.K.size()) return false;
      const int from = RenamedConstruct;
      const auto position = base.ReplaceConstruct(from, name, opposite);
      if (!position.ok()) return false;
      RenamedConstruct = *position;
      const auto moved = MoveConstructInConsultations(ConsultationsFileOf(hlavni), from, *position, base.K.size());
      if (!moved.ok()) hlavni.ShowError(moved);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace kelo::ui
