#include "MessageSink.h"

#include <cstdio>

namespace vantoro {

CMessageSink::Handler& CMessageSink::CurrentHandler() {
    static Handler handler;
    return handler;
}

void CMessageSink::Show(const QString& text, Kind kind) {
    if (const Handler& handler = CurrentHandler()) {
        handler(text, kind);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

CMessageSink::Handler CMessageSink::SetHandler(Handler handler) {
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace vantoro
