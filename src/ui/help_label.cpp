#include "ui/help_label.h"

#include <QEvent>

namespace tg {

HelpLabel::HelpLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setWordWrap(true);
}

int HelpLabel::heightForWidth(int width) const {
    if (width != width_ || text() != text_) {
        height_ = QLabel::heightForWidth(width);
        width_ = width;
        text_ = text();
    }
    return height_;
}

void HelpLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        width_ = -1;
    }
    QLabel::changeEvent(event);
}

}  // namespace tg
