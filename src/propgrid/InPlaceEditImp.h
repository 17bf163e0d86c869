#pragma once

#include <QLineEdit>
#include <QPointer>
#include <string>

#include "InPlaceTextEditor.h"

namespace vantoro {

// The one-line text editor of the grid: a frameless field over the value cell, shrunk by
// a pixel at the top and bottom. Tab and Enter hand the focus back to the list, and the
// kinds below commit what was typed whenever the focus leaves them; Escape abandons it
// (the list loads the row's value again); Up, Down, Page Up and Page Down commit and move
// the row selection.
class CInPlaceEditImp : public QLineEdit, public IInPlaceTextEditor {
    Q_OBJECT
public:
    // `list` receives the commit message and the focus; `parent` holds the window.
    CInPlaceEditImp(QWidget* parent, QWidget* list, const std::string& text);

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SelectAllAndFocus() override;
    void MoveTo(const QRect& cell) override;

    // The text last loaded: what the row holds while nothing was typed.
    const std::string& LoadedText() const { return m_strText; }

protected:
    // Run when the focus leaves the field; the base does nothing.
    virtual void OnEditKillFocus() {}
    // Sends the commit message to the list.
    void NotifyApply();

    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::string m_strText;
    QPointer<QWidget> m_pList;
};

}  // namespace vantoro
