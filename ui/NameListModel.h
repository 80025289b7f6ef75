#pragma once

#include <QAbstractListModel>
#include <QColor>

#include <functional>

namespace kelo::ui {

// A read-only list model over one of the knowledge base's sorted lists, so
// that a list of ten thousand names is one model and one view.
class NameListModel final : public QAbstractListModel {
 public:
  using CountFn = std::function<int()>;
  using NameFn = std::function<QString(int)>;

  NameListModel(CountFn count, NameFn name, QColor color, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Call after the underlying list changed.
  void Reload();

 private:
  CountFn count_;
  NameFn name_;
  QColor color_;
};

}  // namespace kelo::ui
