#pragma once

#include <QPointer>
#include <QWidget>

#include "InPlaceEditor.h"
#include "TypedValueParser.h"

class QFocusEvent;
class QKeyEvent;

namespace vantoro {

class CInPlaceButtonEditBoxImp;
class CInPlaceDotsButton;

// What the colour, rectangle and file editors share: a text field and a button at the
// right that opens a dialog (so do F4, Alt+Down and Ctrl+Enter in the field). What is
// typed is taken as the text editors' is: on Enter, Tab or any focus loss when it reads
// as a value; when it does not, the "Invalid Entry" message naming the row and the form
// it takes, and the text kept for mending. Escape abandons it. Tab goes from the field to the
// button and from there to the list; Shift+Tab from the field to the list, from the button to the
// field.
class CInPlaceButtonEditImp : public QWidget, public IInPlaceEditor {
    Q_OBJECT
public:
    // `buttonName` is what screen readers call the button.
    CInPlaceButtonEditImp(QWidget* parent, QWidget* list, const QString& buttonName);
    ~CInPlaceButtonEditImp() override;

    void MoveTo(const QRect& cell) override;
    void Load(const CPropertyValue& value, const std::vector<std::string>& choices) override;
    // The typed text read; the value loaded when the field is empty.
    CResult<CPropertyValue> Read() const override;
    bool HasTyping() const override;
    bool TakesTyping() const override { return true; }
    void FocusField() override;
    // Opens the dialog.
    bool PressButton() override;

    CInPlaceButtonEditBoxImp* Edit() const { return m_edit; }
    CInPlaceDotsButton* Button() const { return m_button; }
    bool IsButtonDown() const { return m_bButtonDown; }

    // Opens the dialog of the button; a value it gives is taken.
    void OpenDialog();
    // The row being edited, for the dialogs and the button to name.
    void SetRowName(const QString& name);
    const QString& RowName() const { return m_strRowName; }

    // The field's keys; true when the key was taken.
    bool FieldKeyPress(const QKeyEvent& event);
    // The button's keys; true when the key was taken.
    bool ButtonKeyPress(const QKeyEvent& event);
    // The field lost the keyboard.
    void FieldFocusLost(const QFocusEvent& event);

    static constexpr const char* kInvalidEntryCaption = "Invalid Entry";
    // What the message says when the field's text reads as no value.
    std::string InvalidEntryText() const;

signals:
    // What the field holds is to be entered.
    void Taken();
    // Escape: the typing is to be dropped.
    void Abandoned();
    // A step key: what the field holds is to be entered, then the row selection moves.
    void Stepped(int key);
    // The typed text reads as no value: the message was shown, the text stays for mending.
    void Invalid();

protected:
    // Reads `text` as a value of the editor's kind.
    virtual ETypedValue ParseText(const std::string& text, CPropertyValue& value) const = 0;
    // The text the field shows for `value`.
    virtual QString TextOf(const CPropertyValue& value) const = 0;
    // Runs the editor's dialog on the value held; the value it gives, or none.
    virtual std::optional<CPropertyValue> RunDialog() = 0;
    // Where the field stands in an editor of `size`.
    virtual QRect EditRect(const QSize& size) const = 0;
    // The value the field was opened on, and opening it on another.
    virtual CPropertyValue HeldValue() const = 0;
    virtual void HoldValue(const CPropertyValue& value) = 0;
    // Paints what stands left of the field (the colour swatch); nothing by default.
    virtual void PaintDecoration(QPainter&) {}
    // The field shows the value held now.
    virtual void OnValueShown() {}

    // The property list the editor stands in.
    QWidget* List() const { return m_pList; }
    // Why the list's rules would refuse `value` for the row being edited; empty when they
    // take it (or no list judges).
    QString Refusal(const CPropertyValue& value) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whether what the field holds may go to the list: an empty field shows the value
    // again, an invalid text gets the message and stays. True for a valid text.
    bool ReadyToTake();
    void ShowHeldValue();
    QRect ButtonRect() const;

    bool m_bButtonDown = false;
    CInPlaceButtonEditBoxImp* m_edit;
    CInPlaceDotsButton* m_button;
    QPointer<QWidget> m_pList;
    QString m_strRowName;
};

}  // namespace vantoro
