#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace kelo::ui {

struct Forms;

// The start of a new knowledge base: five objects, three constructs named
// from triads of them, and the rating of every object.
class TZahaj final : public QDialog {
  Q_OBJECT

 public:
  TZahaj(Forms& forms, QWidget* parent);
  TZahaj(const TZahaj&) = delete;
  TZahaj& operator=(const TZahaj&) = delete;

  // Edit1 to Edit5, top to bottom.
  std::array<QLineEdit*, 5> Edits{};
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 public:
  // Storno or Esc: the base is left empty, as it was when the dialog opened,
  // even after an OK that took some of the names.
  void reject() override;

 private:
  void Hotovo();
  void RunStartSequence();

  Forms& forms_;
};

}  // namespace kelo::ui
