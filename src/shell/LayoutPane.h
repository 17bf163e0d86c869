#pragma once

#include <QSplitter>

#include "SkinProblem.h"

class QListWidget;

namespace vantoro {

class CLayoutView;
class CVantoroDoc;

// The layout mode of the central area: the composed screen above, and below it the
// problems that the overlay marks, one a line.
class CLayoutPane : public QSplitter {
    Q_OBJECT
public:
    explicit CLayoutPane(CVantoroDoc& document, QWidget* parent = nullptr);

    CLayoutView* View() const { return m_pView; }
    QListWidget* ProblemList() const { return m_pProblems; }

signals:
    // The user picked a finding in the list: show its element and row.
    void ProblemChosen(const CSkinProblem& problem);

private:
    void ShowProblems();

    CVantoroDoc& m_document;
    CLayoutView* m_pView;
    QListWidget* m_pProblems;
};

}  // namespace vantoro
