#pragma once

class QWidget;

namespace korbo {

// Lets a window of fixed, designed geometry grow for a language whose words are
// longer than the English: the window and every control in it are widened by one
// factor, the least that lets every caption stand whole, so the design's proportions
// (and its controls' gaps) stay as they are. In English the factor is 1 and every
// control keeps its designed place. Done again whenever the language changes.
// Call once the window's controls are made and placed.
void WidenForTexts(QWidget *window);

} // namespace korbo
