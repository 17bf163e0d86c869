#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "PropertyValue.h"
#include "TypedValueParser.h"

class QFocusEvent;
class QKeyEvent;

namespace vantoro {

class CInPlaceButtonEditBoxImp;
class CInPlaceDotsButton;

// What the colour and rectangle editors share: a text field and a "..." button at the
// right that opens a dialog (so do F4, Alt+Down and Ctrl+Enter in the field). What is
// typed goes in as the text editors' does: on Enter, Tab or any focus loss when it reads
// as a value, with the "Invalid Entry" message and the text kept when it does not;
// Escape abandons it. Tab goes from the field to the button and from there to the list;
// Shift+Tab from the field to the list, from the button to the field.
class CInPlaceButtonEditImp : public QWidget {
    Q_OBJECT
public:
    // `buttonName` is what screen readers call the "..." button.
    CInPlaceButtonEditImp(QWidget* parent, QWidget* list, QEvent::Type enterMessage,
                          const QString& buttonName);
    ~CInPlaceButtonEditImp() override;

    CInPlaceButtonEditBoxImp* Edit() const { return m_edit; }
    CInPlaceDotsButton* Button() const { return m_button; }
    bool IsButtonDown() const { return m_bButtonDown; }

    // What reading the field came to.
    enum class EApplied { Nothing, Committed, Refused };
    // Reads the field as Enter does: commits a valid text; an invalid one gets the
    // "Invalid Entry" message and stays for mending, as does one the rules refuse.
    // Empty text commits nothing and shows the value again.
    EApplied ApplyTypedText();
    // Commits the field's text when it was typed, is valid and differs from the value;
    // silent otherwise. True when it committed.
    bool CommitPendingText();
    // Whether the field holds typed text other than the value's.
    bool HasTypedText() const;
    // Opens the dialog of the "..." button; true when it took a value and committed it.
    bool OpenDialog();
    // The row being edited, for the dialogs and the button to name.
    void SetRowName(const QString& name);
    const QString& RowName() const { return m_strRowName; }

    // The field's keys; true when the key was taken.
    bool FieldKeyPress(const QKeyEvent& event);
    // The button's keys; true when the key was taken.
    bool ButtonKeyPress(const QKeyEvent& event);
    // The field lost the keyboard focus.
    void FieldFocusLost(const QFocusEvent& event);

    static constexpr const char* kInvalidEntryCaption = "Invalid Entry";
    static constexpr const char* kInvalidEntryText = "The values you have entered is not valid.";

protected:
    // Reads the field's text; a valid one is stored as the value when `store` is set.
    virtual ETypedValue ReadTypedText(bool store) = 0;
    // Runs the editor's dialog; true when it took a value (and stored it).
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
    // The field shows the value held now (loaded, committed or put back).
    virtual void OnValueShown() {}

    // The property list this editor commits to.
    QWidget* List() const { return m_pList; }
    // Sends the commit message to the list; false when the list did not take the value.
    bool NotifyApply();
    // Why the list's rules would refuse `value` for the row being edited; empty when they
    // take it (or no list judges).
    QString Refusal(const CPropertyValue& value) const;
    // The invalid-entry message; the typed text stays, selected, for mending.
    void RejectTypedText();
    // Loads the value's text into the field.
    void ShowValueText();
    void MoveEditor(const QRect& cell);
    void FocusEdit();
    QRect ButtonRect() const;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Set before the field is made: making it sends this widget events that event() reads
    // the message number for.
    QEvent::Type m_enterMessage;
    bool m_bButtonDown = false;
    CInPlaceButtonEditBoxImp* m_edit;
    CInPlaceDotsButton* m_button;
    QPointer<QWidget> m_pList;
    QString m_strRowName;
};

}  // namespace vantoro
