#pragma once

#include <QWidget>

class QListWidget;

namespace tg {

struct AppContext;
class MessageBoxService;

// The business view (frame_business): the list of business types and the
// editor of the selected one.
class BusinessView : public QWidget {
    Q_OBJECT
public:
    BusinessView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Empties lst_BusinessName and adds the 45 display names of the loaded
    // set, slot 0 first.
    void fillNames();

    // Adds the items of this view's drop-down lists (never clears them).
    void FillLists();

    QListWidget* lst_BusinessName = nullptr;

private:
    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
