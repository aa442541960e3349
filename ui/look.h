#pragma once

#include "program_colours.h"

#include <QColor>
#include <QFont>

class QAbstractButton;
class QAbstractScrollArea;
class QLabel;
class QMainWindow;
class QWidget;

namespace korvane {

// The program's blue, behind both main windows.
inline const QColor kProgramBlue(RedOf(kKorvaneBlue), GreenOf(kKorvaneBlue), BlueOf(kKorvaneBlue));
inline const QColor kSwatchDesignColour(128, 0, 128);

// Verdana where it is installed, otherwise the closest sans-serif.
QFont ProgramFont(double pointSize = 8.25, bool bold = false);

// A label that shows its text as plain text, at a place and in a font.
QLabel* MakePlainLabel(const QString& text, QWidget* parent, const QRect& rect, const QFont& font);

// The size a plain one-line label without frame or margins asks for to show
// the text in the font: what QLabel::sizeHint() works out, measured once
// instead of three times.
QSize OneLineTextSize(const QFont& font, const QString& text);

// Gives a widget an opaque background of the colour.
void SetOpaqueBackground(QWidget* widget, const QColor& colour);

// Sets the colour of a widget's text.
void SetTextColour(QWidget* widget, const QColor& colour);

// Makes a top-level window fixed in size with a close box, and with a
// minimise box when asked.
void MakeFixedWindow(QWidget* window, bool withMinimise);

// Verdana is not everywhere, and other languages run longer than English:
// when a control's text does not fit its rectangle in the font that stands in
// for it, the font is made a little smaller until it does, so that no text
// is ever cut off. Labels, buttons, option buttons, check boxes and tab bars.
void ShrinkFontToFit(QWidget* control, double smallestPointSize = 6.5);

// A label before its control: when its text is longer than its rectangle,
// it first grows to its left, up to `leftmost` (in its parent), keeping its
// right edge; only what still does not fit is then made smaller.
void GrowLeftToFit(QLabel* label, int leftmost);

// Buttons in a row (option buttons): each as wide as its text needs and no
// narrower than it was made, the next one moved on to keep the gap.
void WidenInRowToFit(const QList<QAbstractButton*>& row, int gap);

// Shrinks every text of a window that has a fixed rectangle as needed (see
// above); value labels grow with their text instead.
void FitTexts(QWidget* root);

// Whether a control's whole text fits inside its rectangle: a label's inside
// its contents, a button's beside its indicator or within its margins, a tab
// bar's tabs side by side.
bool TextFits(const QWidget* control);

// Sets up one of the two main windows: caption, font, fixed size, and a blue
// client area of the given size in twips below the menu bar, which it returns.
QWidget* SetUpMainWindow(QMainWindow* window, const QString& name, int widthTwips, int heightTwips,
                         bool withMinimise);

// Sizes a main window to its contents, centres it and shows it.
void ShowMainWindowCentred(QMainWindow* window);

// Names the parts of a scrolling box that screen readers list (its text
// area, its scroll bars and their holders) after the box's own name.
void NameScrollingParts(QAbstractScrollArea* box);

// Places a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace korvane
