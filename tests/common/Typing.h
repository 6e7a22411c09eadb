#pragma once

class QLineEdit;
class QString;

// Types text into a box as the user does: a click into it, Ctrl+A and
// Delete to empty it, then a key for each character.
void typeInto(QLineEdit *box, const QString &text);
