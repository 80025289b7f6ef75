#include "Look.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

#include <cmath>
#include <numbers>

namespace kelo::ui {

void ApplyBackground(QWidget* window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, BackgroundColor());
  window->setPalette(palette);
  window->setAutoFillBackground(true);
}

void ApplyBoldText(QWidget* widget, const QColor& color) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::Text, color);
  palette.setColor(QPalette::ButtonText, color);
  widget->setPalette(palette);
}

QPixmap EmblemPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const double half = size / 2.0;
  painter.translate(half, half);
  QPen pen(Qt::black, std::max(1.0, size / 18.0), Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  const double arm = half * 0.92;
  for (int i = 0; i < 6; ++i) {
    painter.save();
    painter.rotate(60.0 * i);
    painter.drawLine(QPointF(0, 0), QPointF(0, -arm));
    // Two pairs of branches on each arm, the outer pair shorter.
    for (auto [at, length] : {std::pair{0.45, 0.30}, std::pair{0.72, 0.20}}) {
      const QPointF root(0, -arm * at);
      const double dx = arm * length * std::sin(std::numbers::pi / 4);
      const double dy = arm * length * std::cos(std::numbers::pi / 4);
      painter.drawLine(root, root + QPointF(dx, -dy));
      painter.drawLine(root, root + QPointF(-dx, -dy));
    }
    painter.restore();
  }
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(0, 0), size / 14.0, size / 14.0);
  return pixmap;
}

QLabel* EmblemLabel(QWidget* parent, int size) {
  auto* label = new QLabel(parent);
  label->setPixmap(EmblemPixmap(size));
  label->setFixedSize(size, size);
  label->setScaledContents(true);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

QIcon WindowIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::black);
  QPainter painter(&pixmap);
  const QColor colours[] = {Qt::cyan, Qt::white, Qt::red};
  // A fixed scatter, so the icon is the same on every start.
  unsigned seed = 1250;
  for (int i = 0; i < 60; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int x = static_cast<int>((seed >> 8) % 32);
    const int y = static_cast<int>((seed >> 16) % 32);
    painter.setPen(colours[(seed >> 24) % 3]);
    painter.drawPoint(x, y);
  }
  return QIcon(pixmap);
}

}  // namespace kelo::ui
