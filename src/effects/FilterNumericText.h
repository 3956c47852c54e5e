#pragma once

#include <QChar>
#include <QString>

// The filter dialog's repair of a box's text: every character that is
// neither an ASCII digit nor `extra` is removed. The text is walked from the
// start; a character that does not belong is removed with every other
// occurrence of it at once, and the same position is looked at again.
QString FilterNumericText(const QString &text, QChar extra);
