#pragma once

#include "base/NumberKeys.h"

#include <functional>

class QLineEdit;

// Whether a key press may reach a number box; an engine rule (NumberKeys,
// SizeBoxRules::accepts) decides.
using NumberKeyRule = std::function<bool(const TypedKey &)>;

// The one key filter of the number boxes: key presses that `accepts` refuses
// never reach the box.
void filterNumberKeys(QLineEdit *box, NumberKeyRule accepts);

// Keeps a number box to ASCII digits: after every edit by the user the box's
// text is filtered with DigitsOnly and written back only when something was removed.
void keepDigitsOnly(QLineEdit *box);
