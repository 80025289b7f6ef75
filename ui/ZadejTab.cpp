#include "ZadejTab.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

#include "Forms.h"
#include "Look.h"
#include "Nkon.h"
#include "Unit1.h"
#include "UserDialogs.h"

namespace kelo::ui {
namespace {

// Why the dialog cannot open, in the user's terms: a base without constructs
// and a caller's stale object index are different troubles.
QString NotRatableText(const KnowledgeBase& base) {
  return base.K.empty() ? QStringLiteral("Báze nemá žádný konstrukt, na kterém by šlo objekt hodnotit.")
                        : QStringLiteral("Objekt k hodnocení v bázi není.");
}

}  // namespace

TZadejTab::TZadejTab(Forms& forms, QWidget* parent) : QDialog(parent), forms_(forms) {
  setObjectName(QStringLiteral("ZadejTab"));
  setWindowTitle(QStringLiteral("Objekt"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyBackground(this);

  Panel3 = new QLabel(this);
  Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel3->setAlignment(Qt::AlignCenter);
  Panel3->setMinimumHeight(32);
  ApplyBoldText(Panel3, ObjectColor());
  Sesit = new QTabBar(this);
  Sesit->setUsesScrollButtons(true);
  Sesit->setExpanding(false);
  Sesit->setStyleSheet(QStringLiteral("QTabBar::tab { width: 48px; }"));
  ApplyBoldText(Sesit, ConstructColor());
  Mira = new QSlider(Qt::Horizontal, this);
  Mira->setRange(-100, 100);
  Mira->setSingleStep(5);
  Mira->setPageStep(50);
  Mira->setTickInterval(10);
  Mira->setTickPosition(QSlider::TicksBelow);
  Mira->setMinimumWidth(420);
  ZP = new QLabel(this);
  T = new QLabel(QStringLiteral("0"), this);
  T->setAlignment(Qt::AlignCenter);
  KP = new QLabel(this);
  KP->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (QLabel* label : {ZP, T, KP}) ApplyBoldText(label, ConstructColor());
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setDefault(true);

  auto* poles = new QHBoxLayout;
  poles->addWidget(ZP, 1);
  poles->addWidget(T, 1);
  poles->addWidget(KP, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(EmblemLabel(this, 60));
  bottom->addStretch();
  bottom->addWidget(OKBtn);
  bottom->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel3);
  layout->addWidget(Sesit);
  layout->addWidget(Mira);
  layout->addLayout(poles);
  layout->addLayout(bottom);

  connect(Sesit, &QTabBar::currentChanged, this, &TZadejTab::SesitChange);
  connect(Mira, &QSlider::valueChanged, this, &TZadejTab::MiraChange);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

bool TZadejTab::CanRate() {
  const auto& base = forms_.Hlavni->Base();
  return !base.K.empty() && Tag >= 0 && Tag < base.O.size();
}

bool TZadejTab::RefuseIfNotRatable() {
  if (CanRate()) return false;
  forms_.dialogs->Notice(forms_.Hlavni, NotRatableText(forms_.Hlavni->Base()));
  return true;
}

void TZadejTab::ShowModal() {
  if (RefuseIfNotRatable()) return;
  setModal(true);
  exec();
}

void TZadejTab::ShowModeless() {
  if (RefuseIfNotRatable()) return;
  setModal(false);
  show();
  raise();
  activateWindow();
}

void TZadejTab::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

bool TZadejTab::event(QEvent* event) {
  // Coming back from another window shows what changed there meanwhile.
  if (event->type() == QEvent::WindowActivate && isVisible()) FormActivate();
  return QDialog::event(event);
}

void TZadejTab::FormActivate() {
  if (!CanRate()) {
    // The base changed under a dialog left open: nothing here to rate now.
    hide();
    return;
  }
  const int constructs = forms_.Hlavni->Base().K.size();
  {
    const QSignalBlocker blocker(Sesit);
    while (Sesit->count() > 0) Sesit->removeTab(Sesit->count() - 1);
    for (int k = 0; k < constructs; ++k) Sesit->addTab(QString::number(k + 1) + u'.');
    const int wanted = forms_.Novy ? forms_.Novy->Tag : 0;
    Sesit->setCurrentIndex(wanted >= 0 && wanted < constructs ? wanted : 0);
  }
  SesitChange();
}

void TZadejTab::SesitChange() {
  const int k = Sesit->currentIndex();
  if (!CanRate() || k < 0) return;
  const auto& base = forms_.Hlavni->Base();
  ZP->setText(QString::fromStdString(base.K.name(k)));
  KP->setText(QString::fromStdString(base.K[k].Opposite));
  // A stored rating outside the scale shows at the nearer end, and moving
  // the slider there stores that end's rating.
  Mira->setValue(-std::clamp(base.ObjectValue(Tag, k), -100, 100));
  T->setText(QString::number(-Mira->value()));
}

void TZadejTab::MiraChange() {
  T->setText(QString::number(-Mira->value()));
  const int k = Sesit->currentIndex();
  if (!CanRate() || k < 0) return;
  forms_.Hlavni->Base().SetValue(-Mira->value(), Tag, k);
}

}  // namespace kelo::ui
