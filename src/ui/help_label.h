#pragma once

#include <QLabel>
#include <QString>

namespace tg {

// The help text under the controls of a view: a label that wraps its words.
// A layout asks a label for its height at a width twice over (for its height
// and for its smallest height), and a label lays out its whole text for each
// question; this one keeps its height at the width last asked until its
// text, font or style change.
class HelpLabel : public QLabel {
    Q_OBJECT
public:
    HelpLabel(const QString& text, QWidget* parent);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    mutable int width_ = -1;
    mutable int height_ = 0;
    mutable QString text_;
};

}  // namespace tg
