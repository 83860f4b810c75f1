#include "ui/folder_list.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tg {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;

// Pixels per step of indentation.
constexpr int kIndent = 12;

// Draws each row shifted right by its depth, so the chain from the root to
// the open folder reads as a staircase and the sub-folders sit one step in.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + index.data(kDepthRole).toInt() * kIndent);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(kDepthRole).toInt() * kIndent;
        return size;
    }
};

std::filesystem::path nativePath(const QString& folder) {
#ifdef _WIN32
    return std::filesystem::path(folder.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

// True when the folder's entries can be read; otherwise reason says why.
bool canList(const QString& folder, QString& reason) {
    std::error_code error;
    std::filesystem::directory_iterator it(nativePath(folder), error);
    if (error) {
        reason = QString::fromLocal8Bit(error.message().c_str());
        return false;
    }
    return true;
}

QString normalized(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

QStringList subFolders(const QString& folder) {
    // Folders the user may not read are listed too; opening one says why it
    // failed. Hidden folders are left out.
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& name) { return name.startsWith(u'.'); }),
                names.end());
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

}  // namespace

QStringList folderChain(const QString& folder) {
    QStringList chain;
    QString root;
    QString rest;
    if (folder.startsWith(u'/')) {
        root = QStringLiteral("/");
        rest = folder.mid(1);
    } else if (folder.size() >= 2 && folder.at(1) == u':') {
        root = folder.left(2) + u'/';
        rest = folder.mid(3);
    } else {
        return chain;
    }
    chain.append(root);
    QString current = root;
    for (const QString& part : rest.split(u'/', Qt::SkipEmptyParts)) {
        current = joinPath(current, part);
        chain.append(current);
    }
    return chain;
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openRow(row(item)); });
}

bool FolderList::setPath(const QString& folder) {
    if (folder.isEmpty()) {
        lastError_ = tr("No folder given");
        return false;
    }
    const QString target = normalized(folder);
    QString reason;
    if (!canList(target, reason)) {
        lastError_ = reason;
        return false;
    }

    const QStringList chain = folderChain(target);
    if (chain.isEmpty()) {
        lastError_ = tr("Not an absolute path");
        return false;
    }
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    clear();
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& full = chain.at(depth);
        const QString name =
            depth == 0 ? QDir::toNativeSeparators(full) : QFileInfo(full).fileName();
        auto* item = new QListWidgetItem(openIcon, name, this);
        item->setData(kPathRole, full);
        item->setData(kDepthRole, depth);
    }
    openRow_ = static_cast<int>(chain.size()) - 1;
    const int childDepth = static_cast<int>(chain.size());
    for (const QString& name : subFolders(target)) {
        auto* item = new QListWidgetItem(closedIcon, name, this);
        item->setData(kPathRole, joinPath(target, name));
        item->setData(kDepthRole, childDepth);
    }
    setCurrentRow(openRow_);
    showOpenFolder();

    const bool changed = target != path_;
    path_ = target;
    lastError_.clear();
    if (changed) {
        emit pathChanged(path_);
    }
    return true;
}

void FolderList::showOpenFolder() {
    // The chain from the root down when it fits, else as much of it as
    // keeps the open folder in sight.
    scrollToTop();
    if (QListWidgetItem* open = item(openRow_)) {
        scrollToItem(open, QAbstractItemView::EnsureVisible);
    }
}

void FolderList::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        showOpenFolder();
    }
}

QString FolderList::selectedPath() const {
    const QString highlighted = pathAt(currentRow());
    return highlighted.isEmpty() ? path_ : highlighted;
}

QString FolderList::pathAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kPathRole).toString() : QString();
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter opens the highlighted folder; it does not reach the dialog's
        // default button.
        if (currentRow() >= 0 && currentRow() != openRow_) {
            openRow(currentRow());
            event->accept();
            return;
        }
        // On the open folder itself Enter has nothing to open: let the
        // dialog take it (OK).
        event->ignore();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::openRow(int row) {
    const QString target = pathAt(row);
    if (target.isEmpty() || row == openRow_) {
        return;
    }
    if (!setPath(target)) {
        emit openFailed(target, lastError_);
    }
}

}  // namespace tg

namespace tg {

QString folderOpenFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("The folder ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" cannot be opened: ") + reason + u'.';
}

}  // namespace tg
