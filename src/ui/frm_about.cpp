#include "ui/frm_about.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <chrono>
#include <cmath>
#include <random>

#include "model/notice.h"
#include "project/app_context.h"
#include "scripts/numbers.h"
#include "ui/message_box.h"
#include "ui/placement.h"
#include "ui/program_icon.h"

namespace tg {

namespace {

// 480 x 480 twips.
constexpr int kIconPixels = 32;

QString descriptionText(const std::string& version) {
    const QStringList lines = {
        QStringLiteral("Tollgrove Editor"),
        QStringLiteral("Version: ") + QString::fromStdString(version),
        QString(),
        QStringLiteral("Written by the TG Edit developers."),
        QStringLiteral("City map and icon drawn for this program."),
        QStringLiteral("Contact: tgedit@example.org"),
        QString(),
        QStringLiteral("Thanks to the Tollgrove modding community for its ideas and testing, "
                       "and to the Qt project."),
        QString(),
        QStringLiteral("Tollgrove is a trademark of its owner. The game was made by others; "
                       "TG Edit is an independent program and is not endorsed or approved by "
                       "the makers or publishers of Tollgrove. Please report any bugs."),
    };
    return lines.join(QLatin1Char('\n'));
}

// A draw in [0, 1) from a generator seeded from the clock at every click.
double drawFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::mt19937_64 generator(static_cast<std::uint64_t>(ticks));
    // The top 53 bits as a fraction: never 1.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

}  // namespace

frm_About::frm_About(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QDialog(parent), ctx_(ctx), boxes_(boxes) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    centreWhenFirstShown(this);

    img_Icon = new QLabel(this);
    img_Icon->setObjectName(QStringLiteral("img_Icon"));
    img_Icon->installEventFilter(this);

    lbl_AppName = new QLabel(QStringLiteral("TG Edit"), this);
    lbl_AppName->setObjectName(QStringLiteral("lbl_AppName"));
    QFont nameFont = lbl_AppName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    lbl_AppName->setFont(nameFont);

    lbl_Description = new QLabel(this);
    lbl_Description->setObjectName(QStringLiteral("lbl_Description"));
    lbl_Description->setWordWrap(true);
    lbl_Description->setTextFormat(Qt::PlainText);
    lbl_Description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbl_Description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmd_OK = new QPushButton(QStringLiteral("&OK"), this);
    cmd_OK->setObjectName(QStringLiteral("cmd_OK"));
    cmd_OK->setDefault(true);
    connect(cmd_OK, &QPushButton::clicked, this, &frm_About::cmd_OK_Click);

    auto* iconColumn = new QVBoxLayout;
    iconColumn->addWidget(img_Icon);
    iconColumn->addStretch();

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(lbl_AppName);
    textColumn->addWidget(lbl_Description, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(iconColumn);
    top->addLayout(textColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd_OK);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 14);
    outer->addLayout(top, 1);
    outer->addSpacing(8);
    outer->addLayout(buttons);

    Form_Load();

    // Wide enough for a readable disclaimer; the height follows the text.
    lbl_Description->setMinimumWidth(360);
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));
}

void frm_About::Form_Load() {
    lbl_Description->setText(descriptionText(ctx_.app.Version));
    img_Icon->setPixmap(programIcon().pixmap(kIconPixels, kIconPixels));
    img_Icon->setFixedSize(kIconPixels, kIconPixels);
}

frm_About::CardTable frm_About::cardTable() {
    const QString first = QStringLiteral("Town Crier");
    const QString second = QStringLiteral("Merchant's Almanac");
    return {{
        {first, QStringLiteral("A parade passes your store. Everyone stops to watch; "
                               "nobody stops to buy.")},
        {first, QStringLiteral("The council paints the bus shelters green. Nobody notices.")},
        {first, QStringLiteral("Your accountant finds a receipt from last century. "
                               "Collect nothing.")},
        {first, QStringLiteral("A pigeon nests above the front door. Customers bring "
                               "breadcrumbs.")},
        {first, QStringLiteral("Rain all week. Umbrellas sell out; ice cream does not.")},
        {first, QStringLiteral("The mayor cuts a ribbon at your shop. It was the wrong shop.")},
        {first, QStringLiteral("A tour bus takes a wrong turn down your street. Wave "
                               "politely.")},
        {first, QStringLiteral("The town clock runs five minutes fast. Everyone is early "
                               "for once.")},
        {first, QStringLiteral("Roadworks on the avenue. The cones outnumber the shoppers.")},
        {first, QStringLiteral("A film crew rents your block for a day. You appear as "
                               "\"man with crate\".")},
        {first, QStringLiteral("Fog rolls in off the harbour. The gulls take the day off.")},
        {first, QStringLiteral("Your shop window wins Most Improved. The prize is a "
                               "certificate.")},
        {first, QStringLiteral("A power cut at closing time. The till disagrees with you.")},
        {first, QStringLiteral("The trains run on time all day. The papers call it a "
                               "miracle.")},
        {first, QStringLiteral("A new bench appears outside. Nobody knows who ordered it.")},
        {second, QStringLiteral("Buy low, sell high, and never lease the corner lot in "
                                "winter.")},
        {second, QStringLiteral("A full warehouse is a quiet warehouse.")},
        {second, QStringLiteral("Every block looks better once you own the one next to it.")},
        {second, QStringLiteral("Rent is due on the first. So is everybody else's.")},
        {second, QStringLiteral("The customer is always right, except about the price.")},
        {second, QStringLiteral("Stock what sells; sell what you stock.")},
        {second, QStringLiteral("Opening early catches the commuters. Closing late catches "
                                "the dreamers.")},
        {second, QStringLiteral("The railroad never sleeps, and neither does its freight "
                                "bill.")},
        {second, QStringLiteral("A busy street is worth two quiet ones.")},
        {second, QStringLiteral("Keep some cash for a rainy day, and an umbrella for the "
                                "rest.")},
        {second, QStringLiteral("Never argue with a delivery driver at six in the morning.")},
        {second, QStringLiteral("Prestige is what the street says about you after you have "
                                "left.")},
        {second, QStringLiteral("The best advertisement is a queue outside the door.")},
        {second, QStringLiteral("Save your work before you celebrate.")},
    }};
}

int frm_About::cardIndexFor(double r) {
    if (!(r > 0.0)) {  // also catches NaN
        r = 0.0;
    } else if (r >= 1.0) {
        r = std::nextafter(1.0, 0.0);
    }
    return static_cast<int>(roundHalfEven(r * (kCardCount - 1)));
}

void frm_About::img_Icon_Click() {
    const CardTable cards = cardTable();
    const int n = cardIndexFor(drawFromClock());
    const Card& card = cards[static_cast<std::size_t>(n)];
    boxes_.show(this, card.deckTitle, card.text, MsgButtons::Ok, MsgIcon::None);
}

void frm_About::cmd_OK_Click() {
    close();
}

bool frm_About::eventFilter(QObject* watched, QEvent* event) {
    if (watched == img_Icon && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            img_Icon->rect().contains(mouse->position().toPoint())) {
            img_Icon_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tg
