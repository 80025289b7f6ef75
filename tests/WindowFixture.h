#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "Forms.h"
#include "ScriptedDialogs.h"
#include "Unit1.h"

namespace kelo::ui {

// The program's windows over scripted dialogs, with a fresh temporary folder
// as the working folder, and readers of what the user sees and what lands on
// disk. Files are named relative to that folder.
class WindowFixture {
 protected:
  // Copies `names` from `fromFolder` into a new working folder and creates
  // the windows, the main window shown.
  void CreateWindows(const QString& fromFolder, const QStringList& names) {
    dir_ = std::make_unique<QTemporaryDir>();
    CopyIn(fromFolder, names);
    QDir::setCurrent(dir_->path());
    dialogs_ = std::make_unique<ScriptedDialogs>();
    forms_ = std::make_unique<Forms>();
    hlavni_ = CreateForms(*forms_, *dialogs_);
    hlavni_->show();
  }

  // Fails the test when a question or dialog came that the test did not
  // answer.
  void DestroyWindows() {
    const QStringList unanswered = dialogs_->unanswered;
    hlavni_.reset();
    forms_.reset();
    dialogs_.reset();
    dir_.reset();
    QVERIFY2(unanswered.isEmpty(), qPrintable(unanswered.join(", ")));
  }

  QString Path(const QString& name) const { return dir_->filePath(name); }

  void CopyIn(const QString& fromFolder, const QStringList& names) {
    for (const QString& name : names) QVERIFY(QFile::copy(fromFolder + u'/' + name, Path(name)));
  }

  QByteArray Bytes(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static QStringList ListNames(const QListView* view) {
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(); ++row)
      names << view->model()->index(row, 0).data().toString();
    return names;
  }

  // Opens a base through "Otevřít", answering its file dialog; returns the
  // errors the open showed.
  QStringList OpenThroughMenu(const QString& name) {
    const auto shownBefore = dialogs_->errors.size();
    dialogs_->openAnswers << Path(name);
    hlavni_->Otevrit->trigger();
    return dialogs_->errors.mid(shownBefore);
  }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<Forms> forms_;
  std::unique_ptr<THlavni> hlavni_;
};

}  // namespace kelo::ui
