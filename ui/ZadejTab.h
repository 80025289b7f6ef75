#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;
class QTabBar;

namespace kelo::ui {

struct Forms;

// The rating dialog: rates the object at Tag on every construct, one tab per
// construct. Every move of the slider is stored at once; there is no cancel.
// The construct's own pole is at the slider's left end, so the stored rating
// is the negated slider position.
class TZadejTab final : public QDialog {
  Q_OBJECT

 public:
  TZadejTab(Forms& forms, QWidget* parent);
  TZadejTab(const TZadejTab&) = delete;
  TZadejTab& operator=(const TZadejTab&) = delete;

  // The object being rated; set by the caller with Panel3's caption.
  int Tag = 0;

  // Shows the dialog modally, or, when the base has no construct or Tag names
  // no object, tells the user instead of showing an empty dialog.
  void ShowModal();
  // The same without blocking the other windows.
  void ShowModeless();

  QLabel* Panel3 = nullptr;
  QTabBar* Sesit = nullptr;
  QSlider* Mira = nullptr;
  QLabel* ZP = nullptr;
  QLabel* T = nullptr;
  QLabel* KP = nullptr;
  QPushButton* OKBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool CanRate();
  // Tells the user why there is nothing to rate; true when so.
  bool RefuseIfNotRatable();
  void FormActivate();
  void SesitChange();
  void MiraChange();

  Forms& forms_;
};

}  // namespace kelo::ui
