#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace tg {

// The folders from the root down to folder, root first: "/home/ann" gives
// "/", "/home", "/home/ann". folder is an absolute, clean path.
QStringList folderChain(const QString& folder);

// A folder list in the manner of a classic directory list box: the open
// folder's ancestors (root first, each indented one step further), the open
// folder itself, and below it its sub-folders, sorted without regard to
// letter case. Hidden folders are not listed.
//
// A double-click or Enter opens a folder; a single click or the arrow keys
// only highlight one. Opening a different folder emits pathChanged.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // The open folder: absolute, without a trailing separator except for a
    // root ("/"). Empty until a folder was opened.
    QString path() const { return path_; }

    // Opens folder (relative paths count from the working folder). When the
    // folder cannot be listed, nothing changes, lastError() gives the reason
    // and the result is false. Opening the folder that is already open only
    // refreshes its sub-folders.
    bool setPath(const QString& folder);

    // Why the last setPath failed.
    QString lastError() const { return lastError_; }

    // The highlighted folder, or the open folder when nothing else is
    // highlighted.
    QString selectedPath() const;

    // The folder shown in a row, or empty text for a row that does not exist.
    QString pathAt(int row) const;

    // The row of the open folder.
    int openRow() const { return openRow_; }

signals:
    // A different folder was opened.
    void pathChanged(const QString& path);
    // The user tried to open a folder that cannot be listed.
    void openFailed(const QString& path, const QString& reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void openRow(int row);
    void showOpenFolder();

    QString path_;
    QString lastError_;
    int openRow_ = -1;
    bool shownOnce_ = false;
};

}  // namespace tg

namespace tg {

// The text shown when a folder the user tried to open cannot be listed.
QString folderOpenFailedText(const QString& path, const QString& reason);

}  // namespace tg
