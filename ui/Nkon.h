#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelo::ui {

struct Forms;

// The naming dialog: every name after the first five objects enters the
// knowledge base here. The mode is the main window's Tag: 1 construct from a
// triad, 2 new object, 3 new construct, 5 new name and opposite for the
// construct at RenamedConstruct.
class TNovy final : public QDialog {
  Q_OBJECT

 public:
  TNovy(Forms& forms, QWidget* parent);
  TNovy(const TNovy&) = delete;
  TNovy& operator=(const TNovy&) = delete;

  // The triad position in mode 1, the construct added last in mode 3, and the
  // construct tab the rating dialog opens on.
  int Tag = 0;
  // Mode 5: the construct to rename, set by the caller; after OK, the position
  // it took under its new name.
  int RenamedConstruct = -1;

  QLabel* Label1 = nullptr;
  QLabel* Trojice = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* Storno = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int Mode() const;
  void FormActivate();
  void Edit1Change();
  void OKBtnClick();
  // Applies the mode to the knowledge base; false when the name was refused.
  bool ApplyMode();
  void ShowOpposite(bool shown);

  Forms& forms_;
};

}  // namespace kelo::ui
