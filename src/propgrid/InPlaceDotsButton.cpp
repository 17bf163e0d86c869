#include "InPlaceDotsButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace vantoro {

CInPlaceDotsButton::CInPlaceDotsButton(const QString& name, QWidget* editor) : QToolButton(editor) {
    setFocusPolicy(Qt::TabFocus);
    setText(QStringLiteral("..."));
    setAccessibleName(name);
    setToolTip(name + QStringLiteral(" (F4)"));
    setCursor(Qt::ArrowCursor);
}

void CInPlaceDotsButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    // Three 2 x 2 dots, one pixel lower while the button is down.
    const int x = (width() - 10) / 2;
    const int y = height() - (isDown() ? 5 : 6);
    for (int i = 0; i < 3; ++i) painter.fillRect(QRect(x + 4 * i, y, 2, 2), palette().buttonText());
}

}  // namespace vantoro
