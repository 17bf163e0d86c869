#include "HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantoro {

CHelpWindow::CHelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_pBrowser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    m_pBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    m_pBrowser->setAccessibleName(QStringLiteral("Tutorial"));
    // Links into the web go to the desktop; the tutorial's own anchors stay here.
    m_pBrowser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pBrowser);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_pBrowser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Tutorial") : title);
    });
    resize(760, 620);
}

CHelpWindow* CHelpWindow::Show(QWidget* owner, const QString& path) {
    auto* window =
        owner ? owner->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) window = new CHelpWindow(owner);
    const QUrl page = QUrl::fromLocalFile(path);
    if (window->m_pBrowser->source() != page)
        window->m_pBrowser->setSource(page);
    else
        window->m_pBrowser->reload();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace vantoro
