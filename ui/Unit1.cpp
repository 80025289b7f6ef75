#include "Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QStatusBar>

#include "Forms.h"
#include "Look.h"
#include "NameListModel.h"
#include "UserDialogs.h"
#include "ZadejTab.h"
#include "Zahaj.h"
#include "model/BaseFiles.h"

namespace kelo::ui {
namespace {

constexpr int kListWidth = 200;
constexpr int kListHeight = 340;
constexpr int kListTop = 24;
constexpr int kStatusPanelWidth = 250;

const QString kBaseFilter = QStringLiteral("Báze znalostí KELO (*.tab)");

std::filesystem::path ToPath(const QString& file) { return std::filesystem::path(file.toStdString()); }

QString CountText(const char* label, int count) { return QString::fromUtf8(label) + QString::number(count); }

}  // namespace

THlavni::THlavni(Forms& forms, QWidget* parent) : QMainWindow(parent), forms_(forms) {
  setObjectName(QStringLiteral("Hlavni"));
  setWindowTitle(QStringLiteral("K E L O"));
  setWindowIcon(WindowIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  auto* central = new QWidget(this);
  setCentralWidget(central);
  ApplyBackground(this);
  ApplyBackground(central);
  resize(800, 560);

  BuildLists();
  BuildMenu();
  BuildStatusBar();

  auto* image2 = EmblemLabel(central, 60);
  image2->setObjectName(QStringLiteral("Image2"));
  image2->move(8, 8);
  image2->lower();
  Image3 = EmblemLabel(central, 80);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->lower();
  Image1 = EmblemLabel(central, 120);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->lower();
}

void THlavni::BuildLists() {
  auto makeList = [this](const char* name, NameListModel* model, const QColor& color) {
    auto* view = new QListView(centralWidget());
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFixedSize(kListWidth, kListHeight);
    view->move(0, kListTop);
    ApplyBoldText(view, color);
    view->installEventFilter(this);
    view->hide();
    return view;
  };
  objectModel_ = new NameListModel([this] { return base_.O.size(); },
                                   [this](int o) { return QString::fromStdString(base_.O.name(o)); },
                                   ObjectColor(), this);
  constructModel_ = new NameListModel([this] { return base_.K.size(); },
                                      [this](int k) { return QString::fromStdString(base_.K.name(k)); },
                                      ConstructColor(), this);
  O = makeList("O", objectModel_, ObjectColor());
  K = makeList("K", constructModel_, ConstructColor());
  connect(O, &QListView::clicked, this, [this](const QModelIndex& index) { OClick(index.row()); });
  connect(K, &QListView::clicked, this, [this](const QModelIndex& index) { KClick(index.row()); });
}

void THlavni::BuildMenu() {
  auto* soubor = menuBar()->addMenu(QStringLiteral("&Soubor"));
  soubor->setObjectName(QStringLiteral("Soubor1"));
  NovaBaze = soubor->addAction(QStringLiteral("&Nový"), this, &THlavni::NovaBazeClick);
  Otevrit = soubor->addAction(QStringLiteral("&Otevřít"), this, &THlavni::OtevritClick);
  soubor->addSeparator();
  Ulozit = soubor->addAction(QStringLiteral("&Uložit"), this, [this] { UlozitClick(); });
  soubor->addSeparator();
  Konec = soubor->addAction(QStringLiteral("Konec"), this, &QWidget::close);

  Implikace = menuBar()->addAction(QStringLiteral("&Implikace"));
  Podoba = menuBar()->addMenu(QStringLiteral("&Podobnost"));
  Podoba->addAction(QStringLiteral("objektů"));
  Podoba->addAction(QStringLiteral("konstruktů"));
  Konzultace = menuBar()->addAction(QStringLiteral("&Konzultace"));
  Doplnky = menuBar()->addMenu(QStringLiteral("&Doplnění"));
  Doplnky->addAction(QStringLiteral("&objektu"));
  Doplnky->addAction(QStringLiteral("&konstruktu"));
  Napoveda = menuBar()->addAction(QStringLiteral("Nápověda"));
  OAplikaci = menuBar()->addAction(QStringLiteral("&O programu"));

  Ulozit->setEnabled(false);
  // Items whose windows the program does not have yet stay disabled.
  for (QAction* item : {Implikace, Podoba->menuAction(), Konzultace, Doplnky->menuAction(), Napoveda, OAplikaci})
    item->setEnabled(false);
}

void THlavni::BuildStatusBar() {
  auto* bar = statusBar();
  bar->setObjectName(QStringLiteral("Stavovy"));
  bar->setSizeGripEnabled(false);
  StavovyObjects = new QLabel(bar);
  StavovyConstructs = new QLabel(bar);
  for (QLabel* panel : {StavovyObjects, StavovyConstructs}) {
    panel->setFixedWidth(kStatusPanelWidth);
    bar->addWidget(panel);
  }
}

bool THlavni::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !(windowState() & Qt::WindowMaximized))
    setWindowState(windowState() | Qt::WindowMaximized);
  return QMainWindow::event(event);
}

void THlavni::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void THlavni::FormResize() {
  const int width = centralWidget()->width();
  const auto [oLeft, kLeft] = ListLefts(width, O->width());
  O->move(oLeft, O->y());
  K->move(kLeft, K->y());
  // The corner pictures follow the right and bottom edges.
  Image3->move(width - Image3->width() - 8, 8);
  Image1->move(8, centralWidget()->height() - Image1->height() - 8);
}

std::pair<int, int> THlavni::ListLefts(int clientWidth, int listWidth) {
  // Integer division truncating toward zero, as the lists may be wider than
  // the window.
  const int left = (clientWidth - 2 * listWidth) / 3;
  return {left, 2 * left + listWidth};
}

void THlavni::closeEvent(QCloseEvent* event) {
  if (!base_.O.empty() && forms_.dialogs->Confirm(this, QStringLiteral("Uložit bázi znalostí?"))) UlozitClick();
  event->accept();
}

bool THlavni::eventFilter(QObject* watched, QEvent* event) {
  // Enter on a selected item does what a click does.
  if ((watched == O || watched == K) && event->type() == QEvent::KeyPress) {
    const auto key = static_cast<QKeyEvent*>(event)->key();
    auto* view = static_cast<QListView*>(watched);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && view->currentIndex().isValid()) {
      if (view == O)
        OClick(view->currentIndex().row());
      else
        KClick(view->currentIndex().row());
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void THlavni::OClick(int position) {
  TZadejTab& rating = *forms_.ZadejTab;
  rating.Tag = position;
  rating.Panel3->setText(QString::fromStdString(base_.O.name(position)));
  rating.ShowModal();
}

void THlavni::KClick(int position) { (void)position; }

void THlavni::SetCurrentFileName(const QString& file) { currentFileName_ = file; }

bool THlavni::SaveBase() {
  const auto status = kelo::SaveBase(base_, ToPath(currentFileName_));
  if (!status.ok()) {
    ShowError(status);
    return false;
  }
  return true;
}

THlavni::SaveOutcome THlavni::UlozitClick() {
  FileDialogRequest request{QStringLiteral("Vyberte soubor nebo vpište nový."), kBaseFilter, QStringLiteral("tab"),
                            currentFileName_.isEmpty() ? QDir::currentPath()
                                                       : QFileInfo(currentFileName_).absolutePath(),
                            currentFileName_};
  auto chosen = forms_.dialogs->SaveFile(this, request);
  if (!chosen) return SaveOutcome::Cancelled;
  QFileInfo file(*chosen);
  if (file.suffix().isEmpty() && !file.fileName().endsWith(u'.')) file.setFile(*chosen + QStringLiteral(".tab"));
  QDir::setCurrent(file.absolutePath());
  if (file.exists() && !forms_.dialogs->Confirm(this, QStringLiteral("Přepsat bázi znalostí?")))
    return SaveOutcome::Cancelled;
  SetCurrentFileName(file.absoluteFilePath());
  return SaveBase() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool THlavni::CloseBase() {
  if (!base_.O.empty() && forms_.dialogs->Confirm(this, QStringLiteral("Uložit bázi znalostí?"))) {
    // A failed save ends the action here, so the base is not lost; a
    // cancelled save dialog does not.
    if (UlozitClick() == SaveOutcome::Failed) return false;
  }
  base_.Clear();
  RefreshLists();
  return true;
}

void THlavni::OtevritClick() {
  if (!CloseBase()) return;
  // Until an Open succeeds there is no base whose files an automatic save
  // could rightly overwrite.
  SetCurrentFileName(QString());
  FileDialogRequest request{QStringLiteral("Vyberte uložený soubor"), kBaseFilter, QStringLiteral("tab"),
                            QDir::currentPath(), QString()};
  auto chosen = forms_.dialogs->OpenFile(this, request);
  if (!chosen) return;
  const QFileInfo file(*chosen);
  QDir::setCurrent(file.absolutePath());
  const auto status = LoadBase(ToPath(file.absoluteFilePath()), base_);
  if (!status.ok()) {
    ShowError(status);
    return;
  }
  SetCurrentFileName(file.absoluteFilePath());
  RefreshLists();
  ShowLists(true, true);
  EnableBaseMenus();
  ShowCounts();
}

void THlavni::NovaBazeClick() {
  if (!CloseBase()) return;
  Tag = 1;
  ShowLists(false, false);
  SetCurrentFileName(QString());
  // Modal, though the handler returns at once: a base opened meanwhile would
  // otherwise receive the start sequence's objects.
  forms_.Zahaj->setWindowModality(Qt::ApplicationModal);
  forms_.Zahaj->show();
  EnableBaseMenus();
}

void THlavni::ShowCounts() {
  StavovyObjects->setText(CountText("Počet objektů: ", base_.O.size()));
  StavovyConstructs->setText(CountText("Počet konstruktů: ", base_.K.size()));
}

void THlavni::RefreshLists() {
  objectModel_->Reload();
  constructModel_->Reload();
}

void THlavni::ShowLists(bool objects, bool constructs) {
  O->setVisible(objects);
  K->setVisible(constructs);
}

void THlavni::EnableBaseMenus() { Ulozit->setEnabled(true); }

void THlavni::ShowError(const QString& text) { forms_.dialogs->Error(this, text); }

}  // namespace kelo::ui
