#include "DockPropertyWnd.h"

#include <QPainter>
#include <QPixmap>
#include <QTabWidget>

#include "PropDescWnd.h"
#include "PropertyListCtrl.h"

namespace vantoro {
namespace {

// Holds the tab window and the pane at fixed places: the pane 120 pixels high, 5 pixels
// above the bottom and 5 below the tab window, 2 pixels in from each side; the gaps show
// the button face.
class CPropertyPanel : public QWidget {
public:
    CPropertyPanel(QWidget* tabs, QWidget* pane, QWidget* parent)
        : QWidget(parent), m_pTabs(tabs), m_pPane(pane) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int w = width(), h = height();
        m_pTabs->setGeometry(0, 0, w, std::max(0, h - 130));
        m_pPane->setGeometry(2, h - 125, std::max(0, w - 4), CDockPropertyWnd::kDescHeight);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().button());
    }

private:
    QWidget* m_pTabs;
    QWidget* m_pPane;
};

// Icon 250: a small sheet of rows with a grid line, drawn rather than shipped.
QIcon PropertyTabIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, 14, 14), Qt::white);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(QRect(1, 1, 13, 13));
    painter.fillRect(QRect(2, 2, 12, 3), QColor(0, 0, 128));
    for (int y : {7, 10, 13}) painter.fillRect(QRect(2, y - 1, 12, 1), QColor(198, 198, 198));
    painter.fillRect(QRect(7, 5, 1, 9), QColor(198, 198, 198));
    return QIcon(pixmap);
}

}  // namespace

CDockPropertyWnd::CDockPropertyWnd(QWidget* parent)
    : QDockWidget(QStringLiteral("Property"), parent) {
    setObjectName(QStringLiteral("Property"));
    m_wndTab = new QTabWidget;
    m_wndTab->setObjectName(QStringLiteral("PropertyTabs"));
    m_wndTab->setTabPosition(QTabWidget::South);
    m_wndTab->setAccessibleName(QStringLiteral("Property tabs"));
    // A holder of the list only: the keyboard goes to the list, never to the holder.
    m_wndTab->setFocusPolicy(Qt::NoFocus);
    m_wndList = new CPropertyListCtrl;
    m_wndDesc = new CPropDescWnd;
    m_wndList->SetDescWnd(m_wndDesc);
    m_wndTab->addTab(m_wndList, PropertyTabIcon(), QStringLiteral("Property"));
    m_wndTab->setCurrentIndex(0);
    auto* panel = new CPropertyPanel(m_wndTab, m_wndDesc, this);
    m_wndTab->setParent(panel);
    m_wndDesc->setParent(panel);
    panel->setAccessibleName(QStringLiteral("Property panel"));
    panel->setFocusProxy(m_wndList);
    panel->setMinimumHeight(160);
    setWidget(panel);
}

bool CDockPropertyWnd::ShowPropertySheet(CPropertyItemManager* sheet, bool force) {
    if (!sheet) return false;
    if (m_wndList->isHidden()) m_wndList->show();
    if (sheet != m_wndList->Manager() || force) {
        m_wndList->ResetContent();
        m_wndList->SetManager(sheet);
    }
    return true;
}

void CDockPropertyWnd::ClearPropertySheet() {
    m_wndList->ResetContent();
    m_wndList->viewport()->update();
}

void CDockPropertyWnd::ReleasePropertySheet() {
    m_wndList->ResetContent();
    m_wndList->SetManager(nullptr);
}

bool CDockPropertyWnd::TakeTyping() {
    return m_wndList->TakeTyping();
}

void CDockPropertyWnd::OnValueApplied(CPropertyItemManager* sheet, uint8_t itemId) {
    m_wndList->OnValueApplied(sheet, itemId);
}

}  // namespace vantoro
