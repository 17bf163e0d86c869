#include "LayoutPane.h"

#include <QListWidget>

#include "LayoutView.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {

CLayoutPane::CLayoutPane(CVantoroDoc& document, QWidget* parent)
    : QSplitter(Qt::Vertical, parent),
      m_document(document),
      m_pView(new CLayoutView(document, this)),
      m_pProblems(new QListWidget(this)) {
    setObjectName(QStringLiteral("LayoutPane"));
    m_pProblems->setObjectName(QStringLiteral("LayoutProblems"));
    m_pProblems->setAccessibleName(QStringLiteral("Layout problems"));
    addWidget(m_pView);
    addWidget(m_pProblems);
    setStretchFactor(0, 1);
    setStretchFactor(1, 0);
    setSizes({500, 90});
    setAccessibleName(QStringLiteral("Screen layout and problems"));
    // Handle 0, before the first pane, is never shown; handle 1 moves the split.
    for (int i = 0; i < count(); ++i)
        handle(i)->setAccessibleName(QStringLiteral("Divider between screen layout and problems"));
    connect(&document, &CVantoroDoc::FindingsChanged, this, &CLayoutPane::ShowProblems);
    connect(m_pProblems, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int index = m_pProblems->row(item);
        const std::vector<CSkinProblem>& problems = m_document.Findings();
        if (index >= 0 && size_t(index) < problems.size())
            emit ProblemChosen(problems[size_t(index)]);
    });
    connect(m_pProblems, &QListWidget::itemClicked, m_pProblems, &QListWidget::itemActivated);
    ShowProblems();
}

void CLayoutPane::ShowProblems() {
    m_pProblems->clear();
    for (const CSkinProblem& problem : m_document.Findings()) {
        auto* item = new QListWidgetItem(MessageToQString(problem.Format()), m_pProblems);
        item->setForeground(problem.IsError() ? QColor(170, 0, 0) : QColor(150, 90, 0));
    }
    m_pProblems->setVisible(m_pProblems->count() > 0);
}

}  // namespace vantoro
