#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vantoro {

// Every message the window shows goes through here: a plain box with an OK button and
// the program's title, unless a handler was installed (the tests record the texts
// instead of blocking on a modal box).
class CMessageBox {
public:
    enum class Kind { Information, Warning };
    using Handler = std::function<void(QWidget* parent, const QString& text, Kind kind)>;

    enum class Answer { Save, Discard, Cancel };
    using QuestionHandler = std::function<Answer(QWidget* parent, const QString& text)>;

    static void Show(QWidget* parent, const QString& text, Kind kind = Kind::Warning);
    // Installs `handler` (an empty one brings back the real box) and returns the one before.
    static Handler SetHandler(Handler handler);

    // Asks `text` with Save (the default), Discard and Cancel.
    static Answer AskSaveChanges(QWidget* parent, const QString& text);
    static QuestionHandler SetQuestionHandler(QuestionHandler handler);

private:
    static Handler& CurrentHandler();
    static QuestionHandler& CurrentQuestionHandler();
};

}  // namespace vantoro
