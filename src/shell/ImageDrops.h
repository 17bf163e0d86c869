#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

class QDropEvent;

namespace vantoro {

class CMainFrame;
class CPropertyItemManager;

// Pictures dropped onto an element where the window shows it (a node of the tree, a
// rectangle of the layout): each is imported into that element's bitmap. Other files pass
// on to the window, which opens projects.
class CImageDrops : public QObject {
    Q_OBJECT
public:
    // The element under a point of `target`, or null.
    using ElementAt = std::function<CPropertyItemManager*(const QPoint& pos)>;
    using Import = std::function<void(CPropertyItemManager* sheet, const QString& image)>;

    CImageDrops(Import import, QObject* parent);
    // Takes picture drops on `target` (a view's viewport).
    void Watch(QWidget* target, ElementAt elementAt);

    // The window's roads for pictures: drops on the tree and the layout, the tree's menu,
    // and the "Browse..." of the grid's bitmap rows.
    static void InstallIn(CMainFrame& frame);

    // Whether `path` is a picture the importer reads (and not a project or a database).
    static bool IsImage(const QString& path);
    // Accepts a drag or drop of files as a copy, whatever the source proposed: a file
    // manager that took it as a move would delete the user's original. False, ignoring
    // it, when the source does not allow a copy.
    static bool AcceptAsCopy(QDropEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Import m_import;
    QHash<QObject*, ElementAt> m_targets;
};

}  // namespace vantoro
