#include "MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vantoro {
namespace {

// Each choice with its first letter no choice before it took as its key, as Windows' boxes
// underline Y of Yes and N of No: the box answers that letter alone, or with Alt.
QStringList WithKeys(const QStringList& choices) {
    QString taken;
    QStringList labels;
    for (const QString& choice : choices) {
        QString label = choice;
        for (qsizetype i = 0; i < label.size(); ++i) {
            const QChar key = label[i].toLower();
            if (label[i].isLetter() && !taken.contains(key)) {
                taken += key;
                label.insert(i, u'&');
                break;
            }
        }
        labels.append(label);
    }
    return labels;
}

}  // namespace

CMessageBox::Handler& CMessageBox::CurrentHandler() {
    static Handler handler;
    return handler;
}

QString CMessageBox::Title() {
    return QGuiApplication::applicationDisplayName();
}

void CMessageBox::Show(QWidget* parent, const QString& text, Kind kind, const QString& details,
                       const QString& caption) {
    if (const Handler& handler = CurrentHandler()) {
        handler(parent, text, kind, details, caption);
        return;
    }
    QMessageBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    caption.isEmpty() ? Title() : caption, text, QMessageBox::Ok, parent);
    if (!details.isEmpty()) box.setDetailedText(details);
    box.exec();
}

CMessageBox::QuestionHandler& CMessageBox::CurrentQuestionHandler() {
    static QuestionHandler handler;
    return handler;
}

CMessageBox::Answer CMessageBox::AskSaveChanges(QWidget* parent, const QString& text) {
    if (const QuestionHandler& handler = CurrentQuestionHandler()) return handler(parent, text);
    QMessageBox box(QMessageBox::Question, Title(), text,
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
                     int byDefault, const QString& details) {
    if (const ChoiceHandler& handler = CurrentChoiceHandler())
        return handler(parent, text, choices);
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::NoButton, parent);
    if (!details.isEmpty()) box.setDetailedText(details);
    QList<QAbstractButton*> buttons;
    const QStringList labels = WithKeys(choices);
    for (int i = 0; i < labels.size(); ++i) {
        const auto role = i == labels.size() - 1 ? QMessageBox::RejectRole
                          : i == byDefault       ? QMessageBox::AcceptRole
                                                 : QMessageBox::ActionRole;
        buttons.append(box.addButton(labels[i], role));
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
