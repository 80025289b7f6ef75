#pragma once

#include <QMainWindow>
#include <QString>

#include <utility>

#include "model/KnowledgeBase.h"
#include "model/Status.h"

class QAction;
class QLabel;
class QListView;
class QMenu;

namespace kelo::ui {

struct Forms;
class NameListModel;

// The main window: owns the one knowledge base, shows its objects and
// constructs, leads to every function through the menu, and carries in Tag the
// mode of the naming dialog.
class THlavni final : public QMainWindow {
  Q_OBJECT

 public:
  explicit THlavni(Forms& forms, QWidget* parent = nullptr);
  THlavni(const THlavni&) = delete;
  THlavni& operator=(const THlavni&) = delete;

  KnowledgeBase& Base() { return base_; }
  const KnowledgeBase& Base() const { return base_; }

  // The mode of the naming dialog: 1 triad, 2 new object, 3 new construct,
  // 5 new name and opposite.
  int Tag = 0;

  // The grid file that saving writes; empty for a base never saved.
  const QString& CurrentFileName() const { return currentFileName_; }

  // Writes the base under the current file name; a failure goes to the error
  // display. Returns whether the files were written.
  bool SaveBase();
  enum class SaveOutcome { Saved, Cancelled, Failed };
  // Lets the user choose the file, asks before overwriting, saves. Cancelled
  // when the user cancels the dialog or refuses to overwrite.
  SaveOutcome UlozitClick();
  // Offers to save a non-empty base, then empties it. Returns false when a
  // save the user asked for failed: the base is then kept.
  bool CloseBase();
  void OtevritClick();
  void NovaBazeClick();

  // Left edges of O and K for a client width: three equal gaps.
  static std::pair<int, int> ListLefts(int clientWidth, int listWidth);

  void ShowCounts();
  // Re-reads both lists after names were added or changed.
  void RefreshLists();
  void ShowLists(bool objects, bool constructs);
  void EnableBaseMenus();
  void ShowError(const QString& text);
  void ShowError(const Status& status) { ShowError(QString::fromStdString(status.message())); }

  // Controls other windows and tests reach.
  QListView* O = nullptr;
  QListView* K = nullptr;
  QLabel* StavovyObjects = nullptr;
  QLabel* StavovyConstructs = nullptr;
  QAction* NovaBaze = nullptr;
  QAction* Otevrit = nullptr;
  QAction* Ulozit = nullptr;
  QAction* Konec = nullptr;
  QAction* Implikace = nullptr;
  QMenu* Podoba = nullptr;
  QAction* Konzultace = nullptr;
  QMenu* Doplnky = nullptr;
  QAction* Napoveda = nullptr;
  QAction* OAplikaci = nullptr;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLists();
  void BuildMenu();
  void BuildStatusBar();
  void FormResize();
  void OClick(int position);
  void KClick(int position);
  void SetCurrentFileName(const QString& file);

  Forms& forms_;
  KnowledgeBase base_;
  QString currentFileName_;
  QLabel* Image1 = nullptr;
  QLabel* Image3 = nullptr;
  NameListModel* objectModel_ = nullptr;
  NameListModel* constructModel_ = nullptr;
};

}  // namespace kelo::ui
