#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include "CommandIds.h"
#include "StringTable.h"

namespace vantoro {

CMessageBox::Handler& CMessageBox::CurrentHandler() {
    static Handler handler;
    return handler;
}

void CMessageBox::Show(QWidget* parent, const QString& text, Kind kind, const QString& details) {
    if (const Handler& handler = CurrentHandler()) {
        handler(parent, text, kind, details);
        return;
    }
    QMessageBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    CStringTable::Load(AFX_IDS_APP_TITLE), text, QMessageBox::Ok, parent);
    if (!details.isEmpty()) box.setDetailedText(details);
    box.exec();
}

CMessageBox::QuestionHandler& CMessageBox::CurrentQuestionHandler() {
    static QuestionHandler handler;
    return handler;
}

CMessageBox::Answer CMessageBox::AskSaveChanges(QWidget* parent, const QString& text) {
    if (const QuestionHandler& handler = CurrentQuestionHandler()) return handler(parent, text);
    QMessageBox box(QMessageBox::Question, CStringTable::Load(AFX_IDS_APP_TITLE), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
    }
}

CMessageBox::QuestionHandler CMessageBox::SetQuestionHandler(QuestionHandler handler) {
    QuestionHandler previous = std::move(CurrentQuestionHandler());
    CurrentQuestionHandler() = std::move(handler);
    return previous;
}

CMessageBox::ChoiceHandler& CMessageBox::CurrentChoiceHandler() {
    static ChoiceHandler handler;
    return handler;
}

int CMessageBox::Ask(QWidget* parent, const QString& text, const QStringList& choices,
                     int byDefault) {
    if (const ChoiceHandler& handler = CurrentChoiceHandler())
        return handler(parent, text, choices);
    QMessageBox box(QMessageBox::Question, CStringTable::Load(AFX_IDS_APP_TITLE), text,
                    QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < choices.size(); ++i) {
        const auto role = i == choices.size() - 1 ? QMessageBox::RejectRole
                          : i == byDefault        ? QMessageBox::AcceptRole
                                                  : QMessageBox::ActionRole;
        buttons.append(box.addButton(choices[i], role));
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton*>(buttons.value(byDefault, buttons.last())));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    const int chosen = int(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? int(choices.size()) - 1 : chosen;
}

CMessageBox::ChoiceHandler CMessageBox::SetChoiceHandler(ChoiceHandler handler) {
    ChoiceHandler previous = std::move(CurrentChoiceHandler());
    CurrentChoiceHandler() = std::move(handler);
    return previous;
}

CMessageBox::Handler CMessageBox::SetHandler(Handler handler) {
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace vantoro
