#include "ui/support/scripted_message_box.h"

namespace tg::test {

MsgAnswer ScriptedMessageBox::show(QWidget*, const QString& title, const QString& text,
                                   MsgButtons buttons, MsgIcon icon) {
    shown.append(Shown{title, text, buttons, icon});
    if (!answers.isEmpty()) {
        return answers.takeFirst();
    }
    if (buttons != MsgButtons::Ok) {
        ++unanswered;
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::Ok;
}

}  // namespace tg::test
