#include "ui/message_box.h"

#include <QMessageBox>

#include "ui/placement.h"

namespace tg {

namespace {

// A message box takes its size in its show event; it is centred after that,
// over the window it belongs to, or on the screen while that is not on show
// yet (the first-start message, a failed load).
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        centreOverOwner(this);
    }
};

}  // namespace

void MessageBoxService::showNotices(QWidget* parent, const Notices& notices) {
    showEach(parent, notices, MsgIcon::None);
}

void MessageBoxService::showFailures(QWidget* parent, const Notices& notices) {
    showEach(parent, notices, MsgIcon::Critical);
}

void MessageBoxService::showEach(QWidget* parent, const Notices& notices, MsgIcon icon) {
    for (const Notice& notice : notices) {
        show(parent, QString::fromStdString(notice.title), QString::fromStdString(notice.text),
             MsgButtons::Ok, icon);
    }
}

MsgAnswer QtMessageBoxService::show(QWidget* parent, const QString& title, const QString& text,
                                    MsgButtons buttons, MsgIcon icon) {
    CentredMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            break;
    }
    // Closing a Yes/No/Cancel box by its frame is Cancel; an OK box is OK.
    return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel
           : buttons == MsgButtons::YesNo     ? MsgAnswer::No
                                              : MsgAnswer::Ok;
}

}  // namespace tg
