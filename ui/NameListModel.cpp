#include "NameListModel.h"

namespace kelo::ui {

NameListModel::NameListModel(CountFn count, NameFn name, QColor color, QObject* parent)
    : QAbstractListModel(parent), count_(std::move(count)), name_(std::move(name)), color_(color) {}

int NameListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_(); }

QVariant NameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= count_()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return name_(index.row());
    case Qt::ForegroundRole:
      return color_;
    default:
      return {};
  }
}

void NameListModel::Reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace kelo::ui
