// The About box: its texts, its OK button, the card drawn by a click on its
// icon, and the program icon it shows.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

#include "project/app_context.h"
#include "ui/frm_about.h"
#include "ui/program_icon.h"
#include "ui/support/scripted_message_box.h"

using tg::frm_About;
using tg::MsgButtons;
using tg::test::ScriptedMessageBox;

class TestAboutBox : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void showsNameVersionCreditsAndDisclaimer() {
        tg::AppContext ctx(folder_.path().toStdString());
        ScriptedMessageBox boxes;
        frm_About about(ctx, boxes);
        about.setAttribute(Qt::WA_DeleteOnClose, false);

        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.lbl_AppName->text(), QStringLiteral("TG Edit"));
        QCOMPARE(about.cmd_OK->text(), QStringLiteral("&OK"));

        const QStringList lines = about.lbl_Description->text().split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 7);
        QCOMPARE(lines[0], QStringLiteral("Tollgrove Editor"));
        QCOMPARE(lines[1], QStringLiteral("Version: 1.0.0.1"));
        QCOMPARE(lines[1], QStringLiteral("Version: ") + QString::fromStdString(ctx.app.Version));
        QCOMPARE(lines[2], QString());

        // The credit block holds one empty line (before the acknowledgements),
        // then an empty line parts it from the one-line disclaimer.
        QCOMPARE(lines[lines.size() - 2], QString());
        const QStringList credits = lines.mid(3, lines.size() - 5);
        QCOMPARE(credits.count(QString()), 1);
        QVERIFY(!credits.first().isEmpty());
        QVERIFY(!credits.last().isEmpty());
        QVERIFY(credits.join(' ').contains('@'));  // a contact address

        const QString disclaimer = lines.last();
        QVERIFY(disclaimer.endsWith(QStringLiteral("Please report any bugs.")));
        QVERIFY(disclaimer.contains(QStringLiteral("trademark")));
        QVERIFY(disclaimer.contains(QStringLiteral("not endorsed or approved")));
        QVERIFY(about.lbl_Description->wordWrap());

        // The icon is 480 twips square: 32 pixels.
        QCOMPARE(about.img_Icon->size(), QSize(32, 32));
        QVERIFY(!about.img_Icon->pixmap().isNull());
    }

    void okOrEscapeClosesAndDestroysTheBox() {
        tg::AppContext ctx(folder_.path().toStdString());
        ScriptedMessageBox boxes;
        QPointer<frm_About> about = new frm_About(ctx, boxes);
        about->show();
        QTest::mouseClick(about->cmd_OK, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());

        // Escape closes it the same way.
        about = new frm_About(ctx, boxes);
        about->show();
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        QVERIFY(boxes.shown.isEmpty());
    }

    void cardTableHasTwoDecks() {
        const frm_About::CardTable cards = frm_About::cardTable();
        QCOMPARE(cards.size(), std::size_t(29));
        const QString first = cards[0].deckTitle;
        const QString second = cards[28].deckTitle;
        QVERIFY(!first.isEmpty() && !second.isEmpty() && first != second);
        QSet<QString> texts;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            QCOMPARE(cards[i].deckTitle, i < 15 ? first : second);
            QVERIFY(!cards[i].text.isEmpty());
            QVERIFY2(cards[i].text.size() <= 120, qPrintable(cards[i].text));  // short
            texts.insert(cards[i].text);
        }
        QCOMPARE(texts.size(), 29);
    }

    void drawRoundsHalfToEvenWithinTheTable_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("card");
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("half of the first step") << 0.5 / 28 << 0;
        QTest::newRow("just past it") << 0.5001 / 28 << 1;
        QTest::newRow("one and a half") << 1.5 / 28 << 2;
        QTest::newRow("two and a half") << 2.5 / 28 << 2;
        QTest::newRow("a half: the last card of the first deck") << 0.5 << 14;
        QTest::newRow("last half") << 27.5 / 28 << 28;
        QTest::newRow("just below one") << std::nextafter(1.0, 0.0) << 28;
        QTest::newRow("one") << 1.0 << 28;
        QTest::newRow("above one") << 7.0 << 28;
        QTest::newRow("negative") << -0.3 << 0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    }

    void drawRoundsHalfToEvenWithinTheTable() {
        QFETCH(double, r);
        QFETCH(int, card);
        QCOMPARE(frm_About::cardIndexFor(r), card);
    }

    void clickingTheIconShowsACardOfItsDeck() {
        tg::AppContext ctx(folder_.path().toStdString());
        ScriptedMessageBox boxes;
        frm_About about(ctx, boxes);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.show();

        const frm_About::CardTable cards = frm_About::cardTable();
        constexpr int kClicks = 200;
        QSet<int> drawn;
        for (int click = 0; click < kClicks; ++click) {
            QTest::mouseClick(about.img_Icon, Qt::LeftButton);
        }
        QCOMPARE(boxes.shown.size(), kClicks);
        for (const auto& box : boxes.shown) {
            QCOMPARE(box.buttons, MsgButtons::Ok);
            int index = -1;
            for (std::size_t i = 0; i < cards.size(); ++i) {
                if (cards[i].text == box.text) {
                    index = static_cast<int>(i);
                }
            }
            QVERIFY2(index >= 0 && index <= 28, qPrintable(box.text));
            QCOMPARE(box.title, cards[static_cast<std::size_t>(index)].deckTitle);
            drawn.insert(index);
        }
        // Drawn afresh each time, not one card over and over.
        QVERIFY(drawn.size() > 1);

        // A right click or a click beside the icon draws nothing.
        QTest::mouseClick(about.img_Icon, Qt::RightButton);
        QTest::mouseClick(about.lbl_AppName, Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), kClicks);
    }

    void programIconIsDrawnAtEverySize() {
        const QIcon icon = tg::programIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 256}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QImage image = tg::programIconImage(size);
            QCOMPARE(image.size(), QSize(size, size));
            // Opaque in the middle, clear in the very corner (rounded).
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            // The icon hands out the same picture, drawn when first asked for.
            const QImage fromIcon = icon.pixmap(size, size).toImage();
            QCOMPARE(fromIcon.size(), QSize(size, size));
            QCOMPARE(fromIcon.convertToFormat(image.format()), image);
        }
        QVERIFY(!icon.pixmap(20, 20).isNull());
    }

    // With TGEDIT_SCREENSHOT_DIR set, saves a picture of the box there.
    void screenshot() {
        const QString folder = qEnvironmentVariable("TGEDIT_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("TGEDIT_SCREENSHOT_DIR not set");
        }
        tg::AppContext ctx(folder_.path().toStdString());
        ScriptedMessageBox boxes;
        frm_About about(ctx, boxes);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.show();
        QVERIFY(about.grab().save(folder + "/about.png"));
    }
};

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
