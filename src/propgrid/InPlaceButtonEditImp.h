#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "PropertyValue.h"
#include "TypedValueParser.h"

namespace vantoro {

class CInPlaceButtonEditBoxImp;

// What the colour and rectangle editors share: a text field, a "..." button at the right
// that opens a dialog, and a commit only when a value was accepted (Enter with valid
// text, or OK in the dialog).
class CInPlaceButtonEditImp : public QWidget {
    Q_OBJECT
public:
    CInPlaceButtonEditImp(QWidget* parent, QWidget* list, QEvent::Type enterMessage);

    CInPlaceButtonEditBoxImp* Edit() const { return m_edit; }
    bool IsButtonDown() const { return m_bButtonDown; }
    // Reads the field as Enter does: commits a valid text; an invalid one gets the
    // "Invalid Entry" message and the old text back. 1 when committed, else 0.
    int ApplyTypedText();
    // Commits the field's text when it was typed, is valid and differs from the value;
    // silent otherwise. True when it committed.
    bool CommitPendingText();

    static constexpr const char* kInvalidEntryCaption = "Invalid Entry";
    static constexpr const char* kInvalidEntryText = "The values you have entered is not valid.";

protected:
    // Reads the field's text; a valid one is stored as the value when `store` is set.
    virtual ETypedValue ReadTypedText(bool store) = 0;
    // Opens the editor's dialog; true when it took a value (and stored it).
    virtual bool RunDialog() = 0;
    // Where the field stands in an editor of `size`.
    virtual QRect EditRect(const QSize& size) const = 0;
    // The text the field shows for the value held.
    virtual QString ValueText() const = 0;
    // The value held, and one put back after the rules refused a typed one.
    virtual CPropertyValue HeldValue() const = 0;
    virtual void HoldValue(const CPropertyValue& value) = 0;
    // Paints what stands left of the field (the colour swatch); nothing by default.
    virtual void PaintDecoration(QPainter&) {}

    // Sends the commit message to the list; false when the list did not take the value.
    bool NotifyApply();
    // Why the list's rules would refuse `value` for the row being edited; empty when they
    // take it (or no list judges).
    QString Refusal(const CPropertyValue& value) const;
    // The invalid-entry message, then the held value's text back, selected.
    void RejectTypedText();
    // Loads the value's text into the field.
    void ShowValueText();
    void MoveEditor(const QRect& cell);
    void FocusEdit();
    QRect ButtonRect() const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Set before the field is made: making it sends this widget events that event() reads
    // the message number for.
    QEvent::Type m_enterMessage;
    bool m_bButtonDown = false;
    CInPlaceButtonEditBoxImp* m_edit;
    QPointer<QWidget> m_pList;
};

}  // namespace vantoro
