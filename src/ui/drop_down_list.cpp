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

int DropDownList::itemsWidth() const {
    // Measured as the box measures its own size hint.
    const QFontMetrics metrics = fontMetrics();
    int text = 0;
    for (int i = 0; i < count(); ++i) {
        text = std::max(text, metrics.boundingRect(itemText(i)).width());
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize contents(text, std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this).width();
}

}  // namespace tg
