#include "VantoroDoc.h"

#include <QFileInfo>

namespace vantoro {

CVantoroDoc::CVantoroDoc(QObject* parent) : QObject(parent) {
    connect(&m_History.Stack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
    OnNewDocument();
}

bool CVantoroDoc::OnNewDocument() {
    m_strPathName.clear();
    m_History.Clear();
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
