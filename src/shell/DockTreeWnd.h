#pragma once

#include <QDockWidget>
#include <QHash>
#include <QIcon>
#include <QList>
#include <string>

#include "ElementsTreeCtrl.h"
#include "ProjectObserver.h"
#include "PropertyRow.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace vantoro {

// The "Workspace" docking window: the fixed tree of the project's elements, which follows
// the project as it is opened and closed; a change of selection is posted to the notify
// target as WM_ELEMENT_SELECTED with the selected node's property sheet.
class CDockTreeWnd : public QDockWidget, public IElementsTreeCtrl, public IProjectObserver {
    Q_OBJECT
public:
    explicit CDockTreeWnd(QWidget* parent = nullptr);
    ~CDockTreeWnd() override;

    // The window that receives WM_ELEMENT_SELECTED (normally the main frame). Not owned.
    void SetNotifyTarget(QObject* target) { m_pNotifyTarget = target; }
    // Shows `project` from now on, until this window goes; the project outlives it.
    void Follow(CSkinProject& project);
    void OnProjectChanged(CSkinProject& project) override;

    void DeleteAllItems() override;
    Item InsertItem(const std::string& label, int image, int selectedImage,
                    CPropertyItemManager* data, Item parent) override;
    void Expand(Item item) override;

    // Selects the node that carries `sheet` (which tells the notify target as a click
    // would); false when no node does.
    bool SelectSheet(const CPropertyItemManager* sheet);

    // What the rules found, by element: a marked node shows a badge on its icon, and the
    // findings as its tool tip and description.
    void SetMarks(const QHash<const CPropertyItemManager*, CPropertyRowMark>& marks);

    QTreeWidget* Tree() const { return m_pTree; }
    // The property sheet of the selected node, or null (a category node, or none).
    CPropertyItemManager* SelectedSheet() const;
    // The property sheet a node carries, or null for a category node or no node.
    static CPropertyItemManager* ItemData(const QTreeWidgetItem* item);

private:
    void OnSelectionChanged();
    // A node's place as its row under each ancestor, from the top; the tree's shape never
    // changes, so a place names the same node after the tree is filled again.
    QList<int> PlaceOf(QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemAt(const QList<int>& place) const;
    void UpdateImages();
    QIcon Image(int index) const;
    QIcon Badged(const QIcon& icon, bool error) const;

    QTreeWidget* m_pTree;
    QObject* m_pNotifyTarget = nullptr;
    CSkinProject* m_pProject = nullptr;
    // The project file the tree shows, empty while none.
    std::string m_strShownFile;
    QList<QIcon> m_images;
    QHash<const CPropertyItemManager*, CPropertyRowMark> m_marks;
};

}  // namespace vantoro
