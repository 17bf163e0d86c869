#include "ImageDrops.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>
#include <QWidget>

#include "CommandIds.h"
#include "DockPropertyWnd.h"
#include "DockTreeWnd.h"
#include "DocumentCommands.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "PropertyListCtrl.h"

namespace vantoro {
namespace {

QString DroppedImage(const QMimeData* data) {
    if (!data) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && CImageDrops::IsImage(url.toLocalFile())) return url.toLocalFile();
    return {};
}

}  // namespace

CImageDrops::CImageDrops(Import import, QObject* parent)
    : QObject(parent), m_import(std::move(import)) {}

void CImageDrops::Watch(QWidget* target, ElementAt elementAt) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
    m_targets.insert(target, std::move(elementAt));
}

void CImageDrops::InstallIn(CMainFrame& frame) {
    CDocumentCommands& commands = frame.Commands();
    CDockPropertyWnd* grid = frame.PropertyWindow();
    // A bitmap row's "Browse...".
    QObject::connect(
        grid->List(), &CPropertyListCtrl::BrowseRequested, &frame,
        [&commands](CPropertyItemManager* sheet, int itemId) { commands.Browse(sheet, itemId); });
    // A picture dropped onto an element, in the tree or on the layout, is imported into it;
    // the tree's menu offers the same.
    auto* drops = new CImageDrops(
        [&commands](CPropertyItemManager* sheet, const QString& image) {
            commands.ImportImage(sheet, 0, image, false);
        },
        &frame);
    QTreeWidget* tree = frame.WorkspaceWindow()->Tree();
    drops->Watch(tree->viewport(),
                 [tree](const QPoint& pos) { return CDockTreeWnd::ItemData(tree->itemAt(pos)); });
    CLayoutView* layout = frame.LayoutView();
    drops->Watch(layout->viewport(), [layout](const QPoint& pos) { return layout->SheetAt(pos); });
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tree, &QWidget::customContextMenuRequested, &frame,
                     [&frame, &commands, tree](const QPoint& pos) {
                         CPropertyItemManager* sheet = CDockTreeWnd::ItemData(tree->itemAt(pos));
                         if (!sheet) return;
                         QMenu menu(&frame);
                         menu.addAction(frame.Action(ID_EDIT_IMPORT_IMAGE)->icon(),
                                        QStringLiteral("&Import Image..."), &frame,
                                        [&commands, sheet] { commands.ImportImage(sheet, 0); });
                         menu.exec(tree->viewport()->mapToGlobal(pos));
                     });
}

bool CImageDrops::IsImage(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("skn") || suffix == QLatin1String("pdb")) return false;
    return !QImageReader::imageFormat(path).isEmpty();
}

bool CImageDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString image = DroppedImage(drop->mimeData());
    CPropertyItemManager* sheet =
        image.isEmpty() ? nullptr : m_targets.value(watched)(drop->position().toPoint());
    if (!sheet) {
        // Not a picture on an element: the window decides (a project dropped opens).
        if (type == QEvent::Drop || image.isEmpty()) return false;
        drop->ignore();
        return true;
    }
    if (AcceptAsCopy(*drop) && type == QEvent::Drop) m_import(sheet, image);
    return true;
}

bool CImageDrops::AcceptAsCopy(QDropEvent& event) {
    if (!(event.possibleActions() & Qt::CopyAction)) {
        event.ignore();
        return false;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

}  // namespace vantoro
