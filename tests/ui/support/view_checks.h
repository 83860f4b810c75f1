#pragma once

// Layout checks and screenshots for the editor views' window tests.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

namespace tg::test {

// Every visible control of root (labels, boxes, lists, buttons) lies inside
// root and overlaps no other such control that is not its parent or child.
// Gives one line per problem, empty when the layout is clean.
inline QStringList layoutProblems(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QListWidget*>(w);
        // Controls of other windows (a dialog owned by root) are not root's.
        if (control && w->window() == root->window() && w->isVisibleTo(root) &&
            !w->objectName().startsWith(QLatin1String("qt_"))) {
            controls.append(w);
        }
    }
    auto nameOf = [](QWidget* w) {
        if (!w->objectName().isEmpty()) {
            return w->objectName();
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return QStringLiteral("label \"%1\"").arg(label->text().left(30));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            return QStringLiteral("button \"%1\"").arg(button->text());
        }
        return QString::fromLatin1(w->metaObject()->className());
    };
    QStringList problems;
    const QRect bounds = root->rect();
    QList<QRect> rects;
    for (QWidget* w : controls) {
        const QRect r(w->mapTo(root, QPoint(0, 0)), w->size());
        rects.append(r);
        if (!bounds.contains(r)) {
            problems.append(nameOf(w) + QStringLiteral(" is cut off"));
        }
        if (w->width() < w->minimumSizeHint().width() - 1) {
            problems.append(nameOf(w) + QStringLiteral(" is narrower than it needs"));
        }
        auto* label = qobject_cast<QLabel*>(w);
        if (label != nullptr && label->wordWrap() && w->height() < w->heightForWidth(w->width())) {
            problems.append(nameOf(w) + QStringLiteral(" is too low for its text"));
        }
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a)) {
                continue;
            }
            if (rects[i].intersects(rects[j])) {
                problems.append(nameOf(a) + QStringLiteral(" overlaps ") + nameOf(b));
            }
        }
    }
    return problems;
}

// The widget that Tab moves to from w: the next one in the focus chain that
// takes focus by Tab.
inline QWidget* nextTabStop(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled())) {
        next = next->nextInFocusChain();
    }
    return next;
}

// With TGEDIT_SCREENSHOT_DIR set, saves a picture of the widget there.
inline void saveScreenshot(QWidget* widget, const QString& fileName) {
    const QByteArray folder = qgetenv("TGEDIT_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return;
    }
    widget->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(fileName));
}

}  // namespace tg::test
