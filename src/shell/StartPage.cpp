#include "StartPage.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

namespace vantoro {
namespace {

// The recent-file command's text is "&1 path", with any "&" of the path doubled.
QString PathOf(const QString& menuText) {
    return menuText.section(u' ', 1).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString ShortcutOf(const QAction* action) {
    return action->shortcut().toString(QKeySequence::NativeText);
}

}  // namespace

CStartPage::CStartPage(QAction* newProject, QAction* openProject, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("StartPage"));
    setAccessibleName(QStringLiteral("Start page"));

    // Wide enough that descriptions and folders do not wrap word by word.
    auto* body = new QWidget(this);
    body->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    auto* title = new QLabel(QStringLiteral("Korrido Vantoro"), body);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    column->addWidget(title);
    column->addWidget(new QLabel(QStringLiteral("No project is open."), body));
    column->addSpacing(8);
    m_pNew = AddCommand(newProject, QStringLiteral("New Skin &Project..."), column);
    m_pOpen = AddCommand(openProject, QStringLiteral("&Open Project..."), column);
    column->addSpacing(12);

    auto* heading = new QLabel(QStringLiteral("Recent projects"), body);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
    m_pRecent = new QWidget(body);
    m_pRecent->setObjectName(QStringLiteral("RecentProjects"));
    m_pRecent->setAccessibleName(QStringLiteral("Recent projects"));
    m_pRecentLayout = new QVBoxLayout(m_pRecent);
    m_pRecentLayout->setContentsMargins(0, 0, 0, 0);
    m_pNoRecent = new QLabel(QStringLiteral("None yet."), m_pRecent);
    m_pRecentLayout->addWidget(m_pNoRecent);
    column->addWidget(m_pRecent);

    // The column stands in the middle of the area, however large the window.
    auto* outer = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(body, 0);
    row->addStretch(1);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);

    // The keys that reach this area land on its first command.
    setFocusProxy(m_pNew);
}

QAbstractButton* CStartPage::AddCommand(QAction* action, const QString& text, QVBoxLayout* layout) {
    QString description = action->statusTip();
    const QString keys = ShortcutOf(action);
    if (!keys.isEmpty()) description += QStringLiteral(" (%1)").arg(keys);
    auto* button = new QCommandLinkButton(text, description, layout->parentWidget());
    button->setAccessibleDescription(description);
    // Outside a dialog a push button takes only Space; these take Enter as links do.
    button->setAutoDefault(true);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    layout->addWidget(button);
    return button;
}

void CStartPage::ShowRecentFiles(const QList<QAction*>& recentActions) {
    // Later: the list changes while one of its buttons is still telling of its click.
    for (QAbstractButton* button : std::as_const(m_recentButtons)) {
        button->hide();
        button->deleteLater();
    }
    m_recentButtons.clear();
    for (QAction* action : recentActions) {
        if (!action->isEnabled() || !action->isVisible()) continue;
        const QString path = PathOf(action->text());
        QString name = QFileInfo(path).fileName();
        name.replace(QStringLiteral("&"), QStringLiteral("&&"));
        const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
        // The number is the mnemonic, as in the File menu.
        auto* button = new QCommandLinkButton(action->text().section(u' ', 0, 0) + u' ' + name,
                                              folder, m_pRecent);
        button->setAccessibleName(QFileInfo(path).fileName());
        button->setAccessibleDescription(QDir::toNativeSeparators(path));
        button->setToolTip(QDir::toNativeSeparators(path));
        button->setAutoDefault(true);
        connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
        m_pRecentLayout->addWidget(button);
        m_recentButtons.append(button);
    }
    m_pNoRecent->setVisible(m_recentButtons.isEmpty());
}

}  // namespace vantoro
