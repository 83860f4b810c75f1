#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPushButton;

namespace tg {

struct AppContext;
class MessageBoxService;

// The About box: the program's name, version, credits and disclaimer. Its
// icon hides a small diversion: clicking it draws a card from one of two
// decks. Opened modal by the main window; deletes itself when closed.
class frm_About : public QDialog {
    Q_OBJECT
public:
    frm_About(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    static constexpr int kCardCount = 29;
    // Cards 0 to 14 are the first deck, 15 to 28 the second.
    static constexpr int kFirstDeckSize = 15;

    struct Card {
        QString deckTitle;
        QString text;
    };
    using CardTable = std::array<Card, kCardCount>;

    static CardTable cardTable();

    // The card a draw r in [0, 1) gives: r x 28 rounded to the nearest whole
    // number, a half going to the even one. A value outside [0, 1) counts as
    // the nearest value inside it.
    static int cardIndexFor(double r);

    void img_Icon_Click();
    void cmd_OK_Click();

    QLabel* lbl_AppName = nullptr;
    QLabel* lbl_Description = nullptr;
    QLabel* img_Icon = nullptr;
    QPushButton* cmd_OK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
