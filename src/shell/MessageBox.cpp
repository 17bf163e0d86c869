#include "MessageBox.h"

#include <QMessageBox>

#include "CommandIds.h"
#include "StringTable.h"

namespace vantoro {

CMessageBox::Handler& CMessageBox::CurrentHandler() {
    static Handler handler;
    return handler;
}

void CMessageBox::Show(QWidget* parent, const QString& text, Kind kind) {
    if (const Handler& handler = CurrentHandler()) {
        handler(parent, text, kind);
        return;
    }
    QMessageBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    CStringTable::Load(AFX_IDS_APP_TITLE), text, QMessageBox::Ok, parent);
    box.exec();
}

CMessageBox::Handler CMessageBox::SetHandler(Handler handler) {
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace vantoro
