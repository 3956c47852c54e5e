#pragma once

#include "effects/Convolution.h"

#include <QString>

#include <array>
#include <optional>

// The custom filter's settings, the model behind the filter dialog: the kernel
// size (KernelRadius), the 25 cell texts whose values are the weights
// (FilterKernel), the divisor (FilterDivisor) and the addend (FilterBias), with
// the rules each box applies when its text changes. One for the whole run: the
// dialog shows it again when it is opened again, so the weights in force are
// always the weights on show.
//
// Cells are numbered 1..25 row by row; cell 13 is the centre, cell 1 the
// neighbour two up and two left.
class FilterKernel
{
public:
    static constexpr int Cells = 25;

    // A number as the boxes hold one: an optional minus, digits, and at most
    // one decimal point ("12", "-3", "2.5", "7.", ".5"). Anything else that
    // gets past the filters ("1-2", "--", "1.2.3", ".", "-") is not a number
    // and counts as 0 wherever it is read: a cell's weight, the addend, the
    // divisor (where 0 means 1), and the start of an ▲/▼ step. The box keeps
    // such a text as typed, so it can be mended.
    static std::optional<double> numberIn(const QString &text);

    int KernelRadius() const { return m_radius; }
    // 3 x 3 (radius 1) empties the sixteen outer cells and their weights.
    void SetKernelSize(int radius);
    static bool isOuterCell(int cell);
    // Each cell's row and column, 1..5.
    static int rowOf(int cell) { return (cell - 1) / 5 + 1; }
    static int columnOf(int cell) { return (cell - 1) % 5 + 1; }

    // The change validation of each box: takes what the box holds now and
    // returns what it shows afterwards.
    QString cellChanged(int cell, const QString &text);
    QString divisorChanged(const QString &text);
    QString addendChanged(const QString &text);

    QString cellText(int cell) const { return m_cells[size_t(cell - 1)]; }
    QString divisorText() const { return m_divisorText; }
    QString addendText() const { return m_addendText; }
    // FilterDivisor: the divisor box's value rounded to an integer (ties to
    // even), 0 until that box first changes.
    qint64 FilterDivisor() const { return m_divisor; }

    // ▲ (+1) and ▼ (-1): the text a box gets, before its own change validation.
    static QString stepped(const QString &text, int delta);

    // The convolution a run applies.
    Convolution convolution() const;

private:
    int m_radius = 2;
    std::array<QString, Cells> m_cells;
    QString m_divisorText = QStringLiteral("1");
    QString m_addendText = QStringLiteral("0");
    qint64 m_divisor = 0;
};
