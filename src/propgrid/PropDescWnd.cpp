#include "PropDescWnd.h"

#include <QPainter>

#include "StringTable.h"

namespace vantoro {

CPropDescWnd::CPropDescWnd(QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(kClassName));
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateAccessibleText();
}

void CPropDescWnd::SetHelpText(unsigned stringId, bool redraw) {
    const QString text = stringId ? CStringTable::Load(int(stringId)) : QString();
    if (text.isEmpty()) {
        ClearText();
        return;
    }
    const QStringList lines = text.split(u'\n');
    m_strTitle = lines.value(0);
    m_strDescription = lines.value(1);
    UpdateAccessibleText();
    if (redraw) update();
}

void CPropDescWnd::ClearText() {
    m_strTitle.clear();
    m_strDescription.clear();
    UpdateAccessibleText();
    update();
}

void CPropDescWnd::UpdateAccessibleText() {
    setAccessibleName(m_strTitle.isEmpty() ? QStringLiteral("Description") : m_strTitle);
    setAccessibleDescription(m_strDescription);
}

void CPropDescWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width(), h = height();
    // A one-pixel sunken frame, the button face inside.
    const QPalette& colors = palette();
    painter.fillRect(QRect(0, 0, w, 1), colors.dark());
    painter.fillRect(QRect(0, 0, 1, h), colors.dark());
    painter.fillRect(QRect(0, h - 1, w, 1), colors.light());
    painter.fillRect(QRect(w - 1, 0, 1, h), colors.light());
    painter.fillRect(rect().adjusted(1, 1, -1, -1), colors.button());
    painter.setPen(colors.color(QPalette::ButtonText));

    // The title line is as high as its font needs: 13 pixels at the default size.
    QFont titleFont = font();
    titleFont.setBold(true);
    const QFontMetrics titleMetrics(titleFont);
    const int titleBottom = 2 + std::max(13, titleMetrics.height());
    const QRect titleRect(3, 2, std::max(0, w - 7), titleBottom - 2);
    painter.setFont(titleFont);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     titleMetrics.elidedText(m_strTitle, Qt::ElideRight, titleRect.width()));

    painter.setFont(font());
    const QRect textRect(3, titleBottom + 2, std::max(0, w - 7),
                         std::max(0, h - 4 - (titleBottom + 2)));
    painter.setClipRect(textRect);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_strDescription);
}

}  // namespace vantoro
