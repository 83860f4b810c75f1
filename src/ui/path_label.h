#pragma once

#include <QLabel>

namespace tg {

// A one-line label for a path. text() keeps the whole path; a path too long
// for the label is drawn shortened in the middle, and the tooltip shows it
// whole.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    void setPath(const QString& path);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tg
