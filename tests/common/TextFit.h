#pragma once

#include <QString>

class QLabel;
class QMdiSubWindow;

// Whether a text can be read where it is drawn, measured with the font it is
// drawn in against the space it has. Each returns an empty text when it can,
// else what is wrong, for the failure message.
namespace TextFit {

// The label's whole text fits inside it (wrapped when the label wraps), and
// no parent up to its window cuts the label off.
QString labelProblem(const QLabel *label);

// The caption fits the label part of the window's title bar, between the
// icon and the buttons.
QString captionProblem(const QMdiSubWindow *window);

} // namespace TextFit
