#pragma once

#include <QEvent>
#include <QLineEdit>
#include <QPointer>

namespace vantoro {

// The text field of the colour and rectangle editors. Tab and Escape give the focus back
// to the list and commit nothing; Enter does the same and then posts `enterMessage` to
// the editor, which reads the text when it arrives. Leaving the field commits nothing.
class CInPlaceButtonEditBoxImp : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceButtonEditBoxImp(QWidget* editor, QWidget* list, QEvent::Type enterMessage);

protected:
    bool event(QEvent* event) override;

private:
    QPointer<QWidget> m_pList;
    QEvent::Type m_enterMessage;
};

}  // namespace vantoro
