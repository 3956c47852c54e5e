#pragma once

#include <QLineEdit>

// A palette number box: keys other than digits, backspace and "." are
// swallowed silently (NumberKeys); what remains is repaired by the model's
// change rule.
class NumberBox : public QLineEdit
{
    Q_OBJECT
public:
    NumberBox(const QString &name, const QString &toolTip, QWidget *parent = nullptr);
};
