#pragma once

#include <QString>
#include <QStringList>

namespace vantoro {

// The text of a result box that stays a few lines long however long its list, so the box
// never grows past the screen: a few lines are read in the text itself, a longer list is
// counted there and given whole in the box's Details, which scroll.
class CListedMessage {
public:
    // Lists up to this many lines in the text itself.
    static constexpr int kListedInText = 3;

    const QString& Text() const { return m_text; }
    const QString& Details() const { return m_details; }

protected:
    CListedMessage() = default;

    // Puts `lines` under `heading` into the text when they are few; otherwise `counted`,
    // with their number for its %1, goes into the text and they go into the Details.
    void AddList(const QString& heading, const QStringList& lines, const QString& counted);

    QString m_text;
    QString m_details;
};

}  // namespace vantoro
