#pragma once

#include <QDialog>

#include "Geometry.h"

class QLineEdit;

namespace vantoro {

// The "Input" dialog of the rectangle editor's button: left, top, width and height,
// each 0..320. OK checks the fields in that order and stops at the first bad one with a
// message and the focus in that field.
class CRectDlg : public QDialog {
    Q_OBJECT
public:
    CRectDlg(const CRect& rect, QWidget* parent = nullptr);

    // The rectangle opened with, or after OK the one entered.
    CRect GetRect() const { return m_rect; }

    // The fields, by their old control numbers 1000, 1004, 1005, 1006.
    QLineEdit* Field(int controlId) const;

    static constexpr int kMinValue = 0;
    static constexpr int kMaxValue = 320;

public slots:
    void accept() override;

private:
    // Reads the four fields; false (after the message) at the first bad one.
    bool ExchangeData();

    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CRect m_rect;
    QLineEdit* m_fields[4];
};

}  // namespace vantoro
