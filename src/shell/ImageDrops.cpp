#include "ImageDrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

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
    drop->acceptProposedAction();
    if (type == QEvent::Drop) m_import(sheet, image);
    return true;
}

}  // namespace vantoro
