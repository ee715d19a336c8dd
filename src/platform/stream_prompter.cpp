#include "platform/stream_prompter.h"

namespace vn {

Answer StreamPrompter::say(const QString& text, Buttons buttons) {
    m_out << QString(text).replace(u'\r', u'\n') << Qt::endl;
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::Cancel: return Answer::Cancel;
    case Buttons::OkCancel: return m_goOn ? Answer::Ok : Answer::Cancel;
    case Buttons::OkNo: return m_goOn ? Answer::Ok : Answer::No;
    case Buttons::YesNo: return m_goOn ? Answer::Yes : Answer::No;
    case Buttons::CancelRetry: return Answer::Cancel;
    }
    return Answer::Cancel;
}

}  // namespace vn
