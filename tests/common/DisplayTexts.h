#pragma once

#include <QStringList>

class DisplayList;

// The texts a drawing shows, in the order they were drawn.
QStringList displayTexts(const DisplayList &list);

// The legend as the user reads it: each entry's text, then the colour of
// the sample line drawn before it ("Kd = 5 nM #e69f00").
QStringList legendEntries(const DisplayList &list);
