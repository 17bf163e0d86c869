#include "PropertyRow.h"

#include "PropertyItem.h"
#include "PropertyRowText.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyRow::CPropertyRow(CPropertyItem* item)
    : QListWidgetItem(nullptr, QListWidgetItem::UserType), m_pItem(item) {
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

QVariant CPropertyRow::data(int role) const {
    if (!m_pItem) return QListWidgetItem::data(role);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return ToQString(m_pItem->m_strLabel);
        case Qt::AccessibleDescriptionRole: {
            QString text = ToQString(PropertyRowValueText(*m_pItem));
            if (!m_mark.Text.isEmpty())
                text +=
                    (m_mark.Error ? QStringLiteral(". Error: ") : QStringLiteral(". Warning: ")) +
                    m_mark.Text;
            return text;
        }
        case Qt::ToolTipRole:
            if (!m_mark.Text.isEmpty()) return m_mark.Text;
            return QListWidgetItem::data(role);
        default:
            return QListWidgetItem::data(role);
    }
}

}  // namespace vantoro
