#include "ui/path_label.h"

#include <QPainter>
#include <QStyle>

namespace tg {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void PathLabel::setPath(const QString& path) {
    setText(path);
    setToolTip(path);
    update();
}

QSize PathLabel::minimumSizeHint() const {
    // The path may be shortened, so the label never demands its full width.
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(fontMetrics().averageCharWidth() * 8);
    return size;
}

void PathLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, alignment().toInt(), palette(), isEnabled(), shown,
                          foregroundRole());
}

}  // namespace tg
