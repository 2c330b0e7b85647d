#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace testing_support {

// Whether a label or entry field shows its whole text, read from its pixels: the
// ink of its text must stand inside the control without touching the edge it
// would be cut at (for an entry field, the edges of its text area; for a label,
// its right edge, and its left edge unless its text starts there), clear of
// every grid line drawn across it, and, for a field's condensed text, taking at
// least three quarters of its text area. Returns what is wrong, or "" when the text
// stands whole.
QString WholeTextProblem(QWidget& control, const QList<const QWidget*>& lines);

// The grid lines of a window: the plain widgets its designed lines are made of.
QList<const QWidget*> GridLines(const QList<QWidget*>& controls);

}  // namespace testing_support
