#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QWidget;
class QLabel;

namespace kelo::ui {

// The program's colours: objects red, constructs and poles blue, and one
// background for every window.
inline QColor BackgroundColor() { return QColor(240, 189, 142); }
inline QColor ObjectColor() { return QColor(Qt::red); }
inline QColor ConstructColor() { return QColor(Qt::blue); }

void ApplyBackground(QWidget* window);
// Bold text in the given colour, for labels, edits and lists.
void ApplyBoldText(QWidget* widget, const QColor& color);

// The emblem: a black six-armed snowflake on a transparent ground.
QPixmap EmblemPixmap(int size);
// A label showing the emblem stretched to size × size.
QLabel* EmblemLabel(QWidget* parent, int size);
// The windows' icon: small cyan, white and red points scattered on black.
QIcon WindowIcon();

}  // namespace kelo::ui
