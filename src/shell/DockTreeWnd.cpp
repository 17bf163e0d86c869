#include "DockTreeWnd.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "ElementSelectedEvent.h"
#include "SkinProject.h"
#include "TextCodec.h"
#include "TreeImageList.h"

namespace vantoro {
namespace {
constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;
}  // namespace

CDockTreeWnd::CDockTreeWnd(QWidget* parent)
    : QDockWidget(QStringLiteral("Workspace"), parent), m_pTree(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("Workspace"));
    m_pTree->setObjectName(QStringLiteral("ElementsTree"));
    m_pTree->setAccessibleName(QStringLiteral("Skin elements"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setColumnCount(1);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setDragEnabled(false);
    m_pTree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_pTree->setIconSize(QSize(16, 16));
    m_pTree->setFrameShape(QFrame::StyledPanel);
    m_pTree->setFrameShadow(QFrame::Sunken);
    for (int i = 0; i < CTreeImageList::Count; ++i) m_images.append(CTreeImageList::Image(i));
    setWidget(m_pTree);
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CDockTreeWnd::OnSelectionChanged);
}

CDockTreeWnd::~CDockTreeWnd() {
    if (m_pProject) m_pProject->RemoveObserver(*this);
    // The tree outlives this part of the window while the base class tears it down.
    disconnect(m_pTree, nullptr, this, nullptr);
}

void CDockTreeWnd::Follow(CSkinProject& project) {
    if (m_pProject) m_pProject->RemoveObserver(*this);
    m_pProject = &project;
    project.AddObserver(*this);
    OnProjectChanged(project);
}

void CDockTreeWnd::OnProjectChanged(CSkinProject& project) {
    // The same file read again (another program changed it) stays where the user was in
    // it; another file, or none, starts with nothing selected.
    const bool sameFile = project.IsLoaded && project.PathName == m_strShownFile;
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    const QList<int> place =
        sameFile && !selected.isEmpty() ? PlaceOf(selected.first()) : QList<int>();
    QTreeWidgetItem* kept = nullptr;
    {
        // Told once, below, and only when the selection really changed.
        const QSignalBlocker quiet(m_pTree);
        project.ShowIn(*this);
        kept = ItemAt(place);
        if (kept) {
            m_pTree->setCurrentItem(kept);
            m_pTree->scrollToItem(kept);
        }
    }
    m_strShownFile = project.IsLoaded ? project.PathName : std::string();
    if (kept || selected.isEmpty())
        UpdateImages();
    else
        OnSelectionChanged();
}

CPropertyItemManager* CDockTreeWnd::SelectedSheet() const {
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    return selected.isEmpty() ? nullptr : ItemData(selected.first());
}

QList<int> CDockTreeWnd::PlaceOf(QTreeWidgetItem* item) const {
    QList<int> place;
    for (; item; item = item->parent())
        place.prepend(item->parent() ? item->parent()->indexOfChild(item)
                                     : m_pTree->indexOfTopLevelItem(item));
    return place;
}

QTreeWidgetItem* CDockTreeWnd::ItemAt(const QList<int>& place) const {
    if (place.isEmpty()) return nullptr;
    QTreeWidgetItem* item = m_pTree->topLevelItem(place.first());
    for (qsizetype i = 1; item && i < place.size(); ++i) item = item->child(place[i]);
    return item;
}

void CDockTreeWnd::DeleteAllItems() {
    // A cleared tree selects nothing; OnSelectionChanged tells the frame so.
    m_pTree->clear();
}

IElementsTreeCtrl::Item CDockTreeWnd::InsertItem(const std::string& label, int image,
                                                 int selectedImage, CPropertyItemManager* data,
                                                 Item parent) {
    auto* item = new QTreeWidgetItem(QStringList(ToQString(label)));
    item->setData(0, kDataRole, QVariant::fromValue(reinterpret_cast<quintptr>(data)));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    item->setIcon(0, Image(image));
    if (parent)
        static_cast<QTreeWidgetItem*>(parent)->addChild(item);
    else
        m_pTree->addTopLevelItem(item);
    return item;
}

void CDockTreeWnd::Expand(Item item) {
    if (item) static_cast<QTreeWidgetItem*>(item)->setExpanded(true);
}

CPropertyItemManager* CDockTreeWnd::ItemData(const QTreeWidgetItem* item) {
    if (!item) return nullptr;
    return reinterpret_cast<CPropertyItemManager*>(item->data(0, kDataRole).value<quintptr>());
}

QIcon CDockTreeWnd::Image(int index) const {
    return m_images.value(index);
}

bool CDockTreeWnd::SelectSheet(const CPropertyItemManager* sheet) {
    if (!sheet) return false;
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it) {
        if (ItemData(*it) != sheet) continue;
        m_pTree->setCurrentItem(*it);
        m_pTree->scrollToItem(*it);
        return true;
    }
    return false;
}

void CDockTreeWnd::OnSelectionChanged() {
    UpdateImages();
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    CPropertyItemManager* sheet = selected.isEmpty() ? nullptr : ItemData(selected.first());
    if (m_pNotifyTarget)
        QCoreApplication::postEvent(m_pNotifyTarget, new CElementSelectedEvent(sheet));
}

void CDockTreeWnd::SetMarks(const QHash<const CPropertyItemManager*, CPropertyRowMark>& marks) {
    m_marks = marks;
    UpdateImages();
}

void CDockTreeWnd::UpdateImages() {
    // A node shows its selected image while it is selected, whatever its expansion.
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const int role = item->isSelected() ? kSelectedImageRole : kImageRole;
        const CPropertyRowMark mark = m_marks.value(ItemData(item));
        QIcon icon = Image(item->data(0, role).toInt());
        if (!mark.Text.isEmpty()) icon = Badged(icon, mark.Error);
        item->setIcon(0, icon);
        item->setToolTip(0, mark.Text);
        item->setData(0, Qt::AccessibleDescriptionRole,
                      mark.Text.isEmpty() ? QVariant()
                                          : QVariant((mark.Error ? QStringLiteral("Error: ")
                                                                 : QStringLiteral("Warning: ")) +
                                                     mark.Text));
    }
}

QIcon CDockTreeWnd::Badged(const QIcon& icon, bool error) const {
    // The rules' sign in the lower right quarter, drawn at every size the icon has.
    const QIcon sign =
        style()->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning);
    QIcon badged;
    for (int side : {16, 32}) {
        QPixmap pixmap = icon.pixmap(side, side);
        QPainter painter(&pixmap);
        sign.paint(&painter, QRect(side / 2 - 1, side / 2 - 1, side / 2 + 1, side / 2 + 1));
        painter.end();
        badged.addPixmap(pixmap);
    }
    return badged;
}

}  // namespace vantoro
