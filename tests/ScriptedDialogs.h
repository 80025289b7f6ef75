#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "UserDialogs.h"

namespace kelo::ui {

// Answers the program's message boxes and file dialogs from queues filled by
// the test, and records what was asked, so no modal box ever blocks a test.
// A question with no answer queued is recorded in `unanswered` and gets No or
// Cancel.
class ScriptedDialogs final : public UserDialogs {
 public:
  QList<bool> confirmAnswers;
  QList<std::optional<QString>> openAnswers;
  QList<std::optional<QString>> saveAnswers;

  QStringList questions;
  QStringList notices;
  QStringList errors;
  QList<FileDialogRequest> openRequests;
  QList<FileDialogRequest> saveRequests;
  QStringList unanswered;

  bool Confirm(QWidget*, const QString& question) override {
    questions << question;
    if (confirmAnswers.isEmpty()) {
      unanswered << question;
      return false;
    }
    return confirmAnswers.takeFirst();
  }
  void Notice(QWidget*, const QString& text) override { notices << text; }
  void Error(QWidget*, const QString& text) override { errors << ErrorDisplayText(text); }
  std::optional<QString> OpenFile(QWidget*, const FileDialogRequest& request) override {
    openRequests << request;
    return Next(openAnswers, request.title);
  }
  std::optional<QString> SaveFile(QWidget*, const FileDialogRequest& request) override {
    saveRequests << request;
    return Next(saveAnswers, request.title);
  }

 private:
  std::optional<QString> Next(QList<std::optional<QString>>& answers, const QString& title) {
    if (answers.isEmpty()) {
      unanswered << title;
      return std::nullopt;
    }
    return answers.takeFirst();
  }
};

}  // namespace kelo::ui
