#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vantoro {

// Every message the window and its grid show goes through here: a box with an OK button,
// the program's title (or a caption of its own: "Invalid Entry") and the icon of what it
// says (information for news, a warning for a failure, a question for a question), unless
// a handler was installed (the tests record the texts instead of blocking on a modal box).
class CMessageBox {
public:
    enum class Kind { Information, Warning };
    // `details`: text for the box's Details section (the compiler's own words), or empty.
    using Handler = std::function<void(QWidget* parent, const QString& text, Kind kind,
                                       const QString& details, const QString& caption)>;

    enum class Answer { Save, Discard, Cancel };
    using QuestionHandler = std::function<Answer(QWidget* parent, const QString& text)>;

    // `caption`: the box's title; empty for the program's.
    static void Show(QWidget* parent, const QString& text, Kind kind = Kind::Warning,
                     const QString& details = QString(), const QString& caption = QString());
    // Installs `handler` (an empty one brings back the real box) and returns the one before.
    static Handler SetHandler(Handler handler);

    // Asks `text` with Save (the default), Discard and Cancel.
    static Answer AskSaveChanges(QWidget* parent, const QString& text);
    static QuestionHandler SetQuestionHandler(QuestionHandler handler);

    // Asks `text` with a button for each of `choices`, `byDefault` the default and the last
    // the one Escape takes; the index of the one chosen. `details`: a long list the text
    // only counts, for the box's Details section, or empty.
    using ChoiceHandler =
        std::function<int(QWidget* parent, const QString& text, const QStringList& choices)>;
    static int Ask(QWidget* parent, const QString& text, const QStringList& choices,
                   int byDefault = 0, const QString& details = QString());
    static ChoiceHandler SetChoiceHandler(ChoiceHandler handler);

private:
    static QString Title();
    static Handler& CurrentHandler();
    static QuestionHandler& CurrentQuestionHandler();
    static ChoiceHandler& CurrentChoiceHandler();
};

}  // namespace vantoro
