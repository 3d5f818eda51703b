#pragma once
// The colours, fonts and labels the windows are built with.
#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// A filled background of the colour.
void SetBackground(QWidget* widget, const QColor& color);

// Whether a disabled control keeps the grey of the style ("Delete(Del)" shows when it
// cannot be used) or the colour of its text.
enum class DisabledText { Grey, Coloured };

// The colour of a label's or a button's text.
void SetTextColor(QWidget* widget, const QColor& color, DisabledText disabled = DisabledText::Grey);

// The widget's font in bold.
QFont BoldFontOf(const QWidget* widget);

// A label with its top-left corner at (x, y): sized to its text in `font` (the parent's
// when none is given), or wrapped within `width` by `height` when a width is given.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width = 0, int height = 0,
                  const QFont* font = nullptr);
