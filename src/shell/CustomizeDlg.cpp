#include "CustomizeDlg.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "CommandIds.h"
#include "MainFrame.h"

namespace vantoro {
namespace {
constexpr int kCommandRole = Qt::UserRole;
}

CCustomizeDlg::CCustomizeDlg(CMainFrame& frame, QWidget* parent)
    : QDialog(parent ? parent : &frame), m_Frame(frame) {
    setWindowTitle(QStringLiteral("Customize"));
    setObjectName(QStringLiteral("CustomizeDlg"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Pages"));
    pages->addTab(CreateToolBarsPage(), QStringLiteral("Toolbars"));
    pages->addTab(CreateCommandsPage(), QStringLiteral("Commands"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);

    FillCommands();
    UpdateButtons();
}

QWidget* CCustomizeDlg::CreateToolBarsPage() {
    auto* page = new QWidget(this);
    m_pToolBars = new QListWidget(page);
    m_pToolBars->setObjectName(QStringLiteral("ToolBars"));
    QToolBar* bar = m_Frame.DefaultToolBar();
    auto* item = new QListWidgetItem(bar->windowTitle(), m_pToolBars);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
    m_pToolBars->setCurrentRow(0);
    connect(m_pToolBars, &QListWidget::itemChanged, this, [this](QListWidgetItem* changed) {
        QToolBar* toolBar = m_Frame.DefaultToolBar();
        toolBar->setVisible(changed->checkState() == Qt::Checked);
        m_Frame.UpdateCommandUI();
    });

    m_pReset = new QPushButton(QStringLiteral("&Reset"), page);
    m_pReset->setObjectName(QStringLiteral("Reset"));
    m_pReset->setToolTip(QStringLiteral("Put the default buttons back on the tool bar"));
    connect(m_pReset, &QPushButton::clicked, this, &CCustomizeDlg::OnReset);

    auto* layout = new QGridLayout(page);
    auto* caption = new QLabel(QStringLiteral("Tool&bars:"), page);
    caption->setBuddy(m_pToolBars);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(m_pToolBars, 1, 0);
    auto* side = new QVBoxLayout;
    side->addWidget(m_pReset);
    side->addStretch(1);
    layout->addLayout(side, 1, 1);
    return page;
}

QWidget* CCustomizeDlg::CreateCommandsPage() {
    auto* page = new QWidget(this);
    m_pCategories = new QListWidget(page);
    m_pCategories->setObjectName(QStringLiteral("Categories"));
    m_pCategories->addItems({QStringLiteral("Toolbar"), QStringLiteral("Menu")});
    m_pCategories->setCurrentRow(0);
    m_pCategories->setMaximumWidth(120);
    m_pCommands = new QListWidget(page);
    m_pCommands->setObjectName(QStringLiteral("Commands"));
    m_pDescription = new QLabel(page);
    m_pDescription->setObjectName(QStringLiteral("Description"));
    m_pDescription->setWordWrap(true);
    m_pAdd = new QPushButton(QStringLiteral("&Add to Toolbar"), page);
    m_pAdd->setObjectName(QStringLiteral("Add"));
    m_pRemove = new QPushButton(QStringLiteral("Re&move from Toolbar"), page);
    m_pRemove->setObjectName(QStringLiteral("Remove"));

    connect(m_pCategories, &QListWidget::currentRowChanged, this, &CCustomizeDlg::FillCommands);
    connect(m_pCommands, &QListWidget::currentRowChanged, this, &CCustomizeDlg::UpdateButtons);
    connect(m_pAdd, &QPushButton::clicked, this, &CCustomizeDlg::OnAdd);
    connect(m_pRemove, &QPushButton::clicked, this, &CCustomizeDlg::OnRemove);

    auto* layout = new QGridLayout(page);
    auto* categories = new QLabel(QStringLiteral("Cate&gories:"), page);
    categories->setBuddy(m_pCategories);
    auto* commands = new QLabel(QStringLiteral("Comman&ds:"), page);
    commands->setBuddy(m_pCommands);
    layout->addWidget(categories, 0, 0);
    layout->addWidget(commands, 0, 1);
    layout->addWidget(m_pCategories, 1, 0);
    layout->addWidget(m_pCommands, 1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(m_pAdd);
    side->addWidget(m_pRemove);
    side->addStretch(1);
    layout->addLayout(side, 1, 2);
    layout->addWidget(m_pDescription, 2, 0, 1, 3);
    return page;
}

QString CCustomizeDlg::CommandName(int commandId, bool fromMenu) const {
    QAction* action = m_Frame.Action(commandId);
    if (!action) return QString();
    if (!fromMenu) return action->toolTip();
    QString text = action->text();
    text = text.left(text.indexOf(u'\t'));
    text.remove(u'&');
    return text;
}

void CCustomizeDlg::FillCommands() {
    const bool menu = m_pCategories->currentRow() == 1;
    QList<int> commands;
    if (menu) {
        for (int id : m_Frame.MenuCommands())
            if (id != ID_FILE_MRU_FILE1) commands.append(id);
    } else {
        for (int id : m_Frame.DefaultButtons())
            if (id != ID_SEPARATOR) commands.append(id);
    }
    m_pCommands->clear();
    for (int id : commands) {
        auto* item = new QListWidgetItem(CommandName(id, menu), m_pCommands);
        item->setData(kCommandRole, id);
        if (QAction* action = m_Frame.Action(id)) item->setIcon(action->icon());
    }
    m_pCommands->setCurrentRow(0);
    UpdateButtons();
}

int CCustomizeDlg::SelectedCommand() const {
    const QListWidgetItem* item = m_pCommands ? m_pCommands->currentItem() : nullptr;
    return item ? item->data(kCommandRole).toInt() : ID_SEPARATOR;
}

bool CCustomizeDlg::IsOnToolBar(int commandId) const {
    const std::vector<int> buttons = m_Frame.ToolBarButtons();
    return std::find(buttons.begin(), buttons.end(), commandId) != buttons.end();
}

void CCustomizeDlg::UpdateButtons() {
    if (!m_pAdd) return;
    const int id = SelectedCommand();
    const bool known = id != ID_SEPARATOR;
    m_pAdd->setEnabled(known && !IsOnToolBar(id));
    m_pRemove->setEnabled(known && IsOnToolBar(id));
    QAction* action = m_Frame.Action(id);
    m_pDescription->setText(known && action ? action->statusTip() : QString());
}

void CCustomizeDlg::OnAdd() {
    const int id = SelectedCommand();
    if (id == ID_SEPARATOR || IsOnToolBar(id)) return;
    std::vector<int> buttons = m_Frame.ToolBarButtons();
    buttons.push_back(id);
    m_Frame.SetToolBarButtons(buttons);
    UpdateButtons();
}

void CCustomizeDlg::OnRemove() {
    const int id = SelectedCommand();
    if (id == ID_SEPARATOR) return;
    m_Frame.SetToolBarButtons(WithoutCommand(m_Frame.ToolBarButtons(), id));
    UpdateButtons();
}

void CCustomizeDlg::OnReset() {
    m_Frame.SetToolBarButtons(m_Frame.DefaultButtons());
    UpdateButtons();
}

std::vector<int> CCustomizeDlg::WithoutCommand(const std::vector<int>& buttons, int commandId) {
    std::vector<int> result;
    for (int id : buttons) {
        if (id == commandId) continue;
        if (id == ID_SEPARATOR && (result.empty() || result.back() == ID_SEPARATOR)) continue;
        result.push_back(id);
    }
    while (!result.empty() && result.back() == ID_SEPARATOR) result.pop_back();
    return result;
}

}  // namespace vantoro
