#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace kelo::ui {

struct FileDialogRequest {
  QString title;
  QString filter;         // "Báze znalostí KELO (*.tab)"
  QString defaultSuffix;  // without the dot
  QString directory;
  QString fileName;
};

// Every message box and file dialog of the program goes through here, so
// tests can answer them in advance instead of blocking on a modal box.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // A yes/no confirmation with a question icon; true only on Yes.
  virtual bool Confirm(QWidget* parent, const QString& question) = 0;
  // A plain message with an OK button, titled "KELO".
  virtual void Notice(QWidget* parent, const QString& text) = 0;
  // The error display: stop icon, OK button, titled "KELO".
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // The chosen file, or nothing when cancelled.
  virtual std::optional<QString> OpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

// The real boxes and dialogs.
class QtUserDialogs final : public UserDialogs {
 public:
  bool Confirm(QWidget* parent, const QString& question) override;
  void Notice(QWidget* parent, const QString& text) override;
  void Error(QWidget* parent, const QString& text) override;
  std::optional<QString> OpenFile(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(QWidget* parent, const FileDialogRequest& request) override;
};

// The error text as the error display shows it: a full stop is appended when
// the last character's code is above that of the full stop.
QString ErrorDisplayText(const QString& text);

}  // namespace kelo::ui
