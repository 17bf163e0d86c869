#include "VantoroDoc.h"

#include <QFileInfo>

namespace vantoro {

CVantoroDoc::CVantoroDoc(QObject* parent) : QObject(parent) { OnNewDocument(); }

bool CVantoroDoc::OnNewDocument() {
    m_strPathName.clear();
    m_bModified = false;
    SetTitle(QStringLiteral("Untitled"));
    return true;
}

void CVantoroDoc::SetTitle(const QString& title) {
    m_strTitle = title;
    emit TitleChanged(m_strTitle);
}

void CVantoroDoc::SetPathName(const QString& path) {
    m_strPathName = path;
    SetTitle(QFileInfo(path).fileName());
}

}  // namespace vantoro
