#pragma once

#include <QSplitter>

#include "SkinProblem.h"

class QListWidget;

namespace vantoro {

class CBitmapCache;
class CLayoutView;
class CSkinProject;

// The layout mode of the central area: the composed screen above, and below it the
// problems that the overlay marks, one a line.
class CLayoutPane : public QSplitter {
    Q_OBJECT
public:
    CLayoutPane(CSkinProject& project, CBitmapCache& bitmaps, QWidget* parent = nullptr);

    CLayoutView* View() const { return m_pView; }
    QListWidget* ProblemList() const { return m_pProblems; }

signals:
    // The user picked a finding in the list: show its element and row.
    void ProblemChosen(const CSkinProblem& problem);

private:
    void ShowProblems();

    CLayoutView* m_pView;
    QListWidget* m_pProblems;
};

}  // namespace vantoro
