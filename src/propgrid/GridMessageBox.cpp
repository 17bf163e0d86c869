#include "GridMessageBox.h"

#include <QMessageBox>

namespace vantoro {

CGridMessageBox::Handler& CGridMessageBox::CurrentHandler() {
    static Handler handler;
    return handler;
}

void CGridMessageBox::Show(QWidget* parent, const QString& text, const QString& caption) {
    if (const Handler& handler = CurrentHandler()) {
        handler(parent, text, caption);
        return;
    }
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

CGridMessageBox::Handler CGridMessageBox::SetHandler(Handler handler) {
    Handler before = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return before;
}

}  // namespace vantoro
