#include "UserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kelo::ui {
namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title, request.directory, request.filter);
  dialog.setAcceptMode(mode);
  dialog.setDefaultSuffix(request.defaultSuffix);
  // The program asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString ErrorDisplayText(const QString& text) {
  if (!text.isEmpty() && text.back().unicode() > u'.') return text + u'.';
  return text;
}

bool QtUserDialogs::Confirm(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, QStringLiteral("KELO"), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void QtUserDialogs::Notice(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QStringLiteral("KELO"), text);
}

void QtUserDialogs::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QStringLiteral("KELO"), ErrorDisplayText(text));
}

std::optional<QString> QtUserDialogs::OpenFile(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::SaveFile(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

}  // namespace kelo::ui
