#pragma once

class QLineEdit;

// Keeps a number box to ASCII digits: after every edit by the user the box's
// text is filtered with DigitsOnly and written back only when something was removed.
void keepDigitsOnly(QLineEdit *box);
