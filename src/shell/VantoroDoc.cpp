#include "VantoroDoc.h"

#include <QFileInfo>

namespace vantoro {

CVantoroDoc::CVantoroDoc(QObject* parent) : QObject(parent) {
    connect(&m_History.Stack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
    OnNewDocument();
}

bool CVantoroDoc::OnNewDocument() {
    // The project the frame holds stays open, and so do its edits and their history.
    m_strPathName.clear();
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
