#include "ui/drop_down_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetricsF>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <algorithm>

namespace tg {

namespace {

// The application's style, except that a drop-down opens its list below the
// box, as long as maxVisibleItems allows and scrolling, instead of as a pop-up
// over it that shows every item. One instance serves every drop-down: a style
// sheet on each would have Qt parse it and build a style per box.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        return hint == SH_ComboBox_Popup ? 0
                                         : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* dropDownStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new DropDownStyle;
        style->setParent(qApp);  // goes with the application
    }
    return style;
}

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setMaxVisibleItems(15);
}

void DropDownList::showPopup() {
    if (style() != dropDownStyle()) {
        setStyle(dropDownStyle());
        // A list part made under the style's pop-up has its scroll bar off.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    QComboBox::showPopup();
}

PickList::PickList(QWidget* parent) : DropDownList(parent) {
    QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this, &PickList::itemsChanged);
    connect(items, &QAbstractItemModel::rowsRemoved, this, &PickList::itemsChanged);
    connect(items, &QAbstractItemModel::dataChanged, this, &PickList::itemsChanged);
    connect(items, &QAbstractItemModel::modelReset, this, &PickList::itemsChanged);
}

QSize PickList::sizeHint() const {
    if (!hint_.isValid()) {
        // The longest item (an empty list: seven letters), on a line of the
        // box's font, in the frame and with the arrow the style gives a box.
        const QFontMetrics metrics = fontMetrics();
        int text = count() == 0 ? 7 * metrics.horizontalAdvance(u'x') : 0;
        for (int i = 0; i < count(); ++i) {
            text = std::max(text, metrics.boundingRect(itemText(i)).width());
        }
        const int line = std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2;
        QStyleOptionComboBox option;
        initStyleOption(&option);
        hint_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, line), this);
    }
    return hint_;
}

QSize PickList::minimumSizeHint() const {
    return sizeHint();
}

void PickList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        hint_ = QSize();
    }
    DropDownList::changeEvent(event);
}

void PickList::itemsChanged() {
    hint_ = QSize();
    updateGeometry();
}

}  // namespace tg
