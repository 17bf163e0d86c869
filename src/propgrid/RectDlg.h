#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "Geometry.h"

class QLineEdit;

namespace vantoro {

// The "Input" dialog of the rectangle editor's button: left, top, width and height. The
// fields take a sign and digits. OK checks them in that order and stops at the first that
// is no 32-bit integer with a message naming it and the range, and the focus in that
// field; then the rectangle must pass `judge`, which says why it may not go in (the
// grid's rules, so the dialog refuses what typing refuses).
class CRectDlg : public QDialog {
    Q_OBJECT
public:
    // Why a rectangle may not be taken; empty when it may.
    using Judge = std::function<QString(const CRect&)>;

    CRectDlg(const CRect& rect, QWidget* parent = nullptr, Judge judge = {});

    // The rectangle opened with, or after OK the one entered.
    CRect GetRect() const { return m_rect; }

    // The fields, by their old control numbers 1000, 1004, 1005, 1006.
    QLineEdit* Field(int controlId) const;
    // Names the row the rectangle belongs to, for screen readers (the title stays "Input").
    void SetRowName(const QString& name);
    // What field `field` (0 left ... 3 height) holding no integer is told.
    static QString NotAnIntegerText(int field);

public slots:
    void accept() override;

private:
    // Reads the four fields; false (after the message) at the first bad one.
    bool ExchangeData();
    // The message, then the focus in field `field` (0 left ... 3 height), selected.
    void Refuse(int field, const QString& message);

    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CRect m_rect;
    QLineEdit* m_fields[4];
    Judge m_judge;
};

}  // namespace vantoro
