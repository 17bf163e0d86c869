#pragma once

#include <QLineEdit>
#include <QPointer>
#include <string>

#include "InPlaceEditor.h"

namespace vantoro {

// The one-line text editor of the grid: a frameless field over the value cell, shrunk by
// a pixel at the top and bottom. Tab and Enter hand the keyboard back to the list, and
// what was typed is taken whenever the keyboard leaves the field; Escape abandons it;
// Up, Down, Page Up and Page Down take it and move the row selection. While it holds no
// typing of its own, the window's Undo and Redo keys pass through it.
class CInPlaceEditImp : public QLineEdit, public IInPlaceEditor {
    Q_OBJECT
public:
    // `list` receives the keyboard; `parent` holds the window.
    CInPlaceEditImp(QWidget* parent, QWidget* list, const std::string& text);

    void MoveTo(const QRect& cell) override;
    void Load(const CPropertyValue& value, const std::vector<std::string>& choices) override;
    CResult<CPropertyValue> Read() const override;
    bool HasTyping() const override;
    bool TakesTyping() const override { return true; }
    void FocusField() override;
    bool PressButton() override { return false; }

    std::string GetText() const;
    // Opens the field on `text`, all of it selected.
    void SetText(const std::string& text);

signals:
    // What the field holds is to be entered.
    void Taken();
    // Escape: the typing is to be dropped.
    void Abandoned();
    // A step key: what the field holds is to be entered, then the row selection moves.
    void Stepped(int key);

protected:
    // The value the text `text` stands for.
    virtual CPropertyValue ValueOf(const std::string& text) const { return text; }
    // The text a loaded value shows.
    virtual std::string TextOf(const CPropertyValue& value) const;

    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::string m_strText;
    QPointer<QWidget> m_pList;
};

}  // namespace vantoro
