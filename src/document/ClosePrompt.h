#pragma once

#include <QString>

// The question a changed document asks before its window closes.
namespace ClosePrompt {

enum class Answer { Yes, No, Cancel };

QString question();

// Blanks on each side of the question: it is centred for the caption that is
// the message box's title, ⌊|L − 22| / 2⌋ + 10 for a caption of L characters.
int padding(const QString &caption);

// A carriage return, the padded question and a carriage return.
QString text(const QString &caption);

}
