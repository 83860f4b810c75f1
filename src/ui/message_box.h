#pragma once

#include <QString>

#include "model/notice.h"

class QWidget;

namespace tg {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Critical };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Every message box of the program goes through this one interface, so that
// tests can record each box and answer it from a script.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;

    // Shows a modal box owned by parent and returns the button pressed.
    virtual MsgAnswer show(QWidget* parent, const QString& title, const QString& text,
                           MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) = 0;

    // The core's notices, one OK-only box each, in order, without an icon:
    // a project name or folder refused.
    void showNotices(QWidget* parent, const Notices& notices);

    // The same with the critical icon: file work that failed, or what a
    // command found wanting before it wrote anything.
    void showFailures(QWidget* parent, const Notices& notices);

private:
    // One OK-only box for each notice, in order, with the icon.
    void showEach(QWidget* parent, const Notices& notices, MsgIcon icon);
};

// The real boxes (QMessageBox).
class QtMessageBoxService : public MessageBoxService {
public:
    MsgAnswer show(QWidget* parent, const QString& title, const QString& text,
                   MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) override;
};

}  // namespace tg
