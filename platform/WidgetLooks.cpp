#include "platform/WidgetLooks.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

void SetBackground(QWidget* widget, const QColor& color) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
}

void SetTextColor(QWidget* widget, const QColor& color, DisabledText disabled) {
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText}) {
    if (disabled == DisabledText::Coloured) {
      palette.setColor(role, color);
      continue;
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) palette.setColor(group, role, color);
  }
  widget->setPalette(palette);
}

QFont BoldFontOf(const QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height, const QFont* font) {
  auto* label = new QLabel(text, parent);
  if (font) label->setFont(*font);
  if (width > 0) {
    label->setWordWrap(true);
    label->setGeometry(x, y, width, height);
  } else {
    label->move(x, y);
    label->adjustSize();
  }
  return label;
}
