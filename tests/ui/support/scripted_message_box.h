#pragma once

#include <QList>
#include <QString>

#include "ui/message_box.h"

namespace tg::test {

// A message-box service for window tests: records every box and answers from
// a queue. A box with no queued answer gets OK (or Cancel for a question) and
// is recorded as unanswered, so a test notices a question it did not expect.
class ScriptedMessageBox : public MessageBoxService {
public:
    struct Shown {
        QString title;
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
    };

    MsgAnswer show(QWidget* parent, const QString& title, const QString& text,
                   MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) override;

    void queue(MsgAnswer answer) { answers.append(answer); }

    QList<Shown> shown;
    QList<MsgAnswer> answers;
    int unanswered = 0;
};

}  // namespace tg::test
