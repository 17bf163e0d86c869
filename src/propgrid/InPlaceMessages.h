#pragma once

#include <QEvent>

namespace vantoro {

// The grid's private messages, as event types with the numbers they always had
// (WM_USER + 7003 ... 7008, WM_USER being 0x0400), and two of the grid's own after them.
constexpr QEvent::Type WM_INPLACE_APPLY = QEvent::Type(0x0400 + 7003);
constexpr QEvent::Type WM_INPLACE_CLOSEUP = QEvent::Type(0x0400 + 7004);
constexpr QEvent::Type WM_INPLACE_SELECT = QEvent::Type(0x0400 + 7005);
constexpr QEvent::Type WM_INPLACE_STEP = QEvent::Type(0x0400 + 7006);
constexpr QEvent::Type WM_INPLACE_COLOR_ENTER = QEvent::Type(0x0400 + 7007);
constexpr QEvent::Type WM_INPLACE_RECT_ENTER = QEvent::Type(0x0400 + 7008);
// The bitmap file editor's Enter, a number of its own after the others.
constexpr QEvent::Type WM_INPLACE_FILE_ENTER = QEvent::Type(0x0400 + 7009);
// A field abandons what was typed (Escape): the list loads the row's value into the
// editor again and takes the focus. Result 1.
constexpr QEvent::Type WM_INPLACE_CANCEL = QEvent::Type(0x0400 + 7009);
// Up, Down, Page Up or Page Down (the Qt key in wParam) in a field: the list takes what
// the field holds and, unless that was refused, moves the row selection. Result 1 when
// the selection moved.
constexpr QEvent::Type WM_INPLACE_MOVE = QEvent::Type(0x0400 + 7010);

// One of the messages above with its two parameters. Handlers set Result().
class CInPlaceEvent : public QEvent {
public:
    explicit CInPlaceEvent(QEvent::Type type, int wParam = 0, int lParam = 0)
        : QEvent(type), m_wParam(wParam), m_lParam(lParam) {}

    int WParam() const { return m_wParam; }
    int LParam() const { return m_lParam; }
    int Result() const { return m_nResult; }
    void SetResult(int result) { m_nResult = result; }

    // Sends (synchronously) a parameterless message to `target`; its result.
    static int Send(QObject* target, QEvent::Type type, int wParam = 0, int lParam = 0);
    // Queues the message for `target`.
    static void Post(QObject* target, QEvent::Type type);

private:
    int m_wParam;
    int m_lParam;
    int m_nResult = 0;
};

}  // namespace vantoro
