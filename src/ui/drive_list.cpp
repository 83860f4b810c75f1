#include "ui/drive_list.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

#include "model/notice.h"
#include "project/startup.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"
#include "ui/path_text.h"

namespace tg {

namespace {

QString cleanRoot(const QString& root) {
    return QDir::cleanPath(QDir::fromNativeSeparators(root));
}

bool rootHolds(const QString& root, const QString& path) {
#ifdef _WIN32
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (root.endsWith(u'/')) {
        return path.startsWith(root, cs) || path.compare(root.chopped(1), cs) == 0;
    }
    return path.compare(root, cs) == 0 || path.startsWith(root + u'/', cs);
}

}  // namespace

QList<Volume> mountedVolumes() {
    QList<Volume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        if (!info.isValid()) {
            continue;
        }
        const QString root = cleanRoot(info.rootPath());
        const bool known = std::any_of(volumes.cbegin(), volumes.cend(),
                                       [&](const Volume& v) { return v.root == root; });
        if (!known) {
            volumes.append(Volume{root, info.name(), info.isReady()});
        }
    }
#ifndef _WIN32
    const bool haveRoot = std::any_of(volumes.cbegin(), volumes.cend(),
                                      [](const Volume& v) { return v.root == u"/"; });
    if (!haveRoot) {
        volumes.append(Volume{QStringLiteral("/"), QString(), true});
    }
#endif
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) {
        if ((a.root == u"/") != (b.root == u"/")) {
            return a.root == u"/";
        }
        return QString::compare(a.root, b.root, Qt::CaseInsensitive) < 0;
    });
    return volumes;
}

DriveList::DriveList(QWidget* parent) : DropDownList(parent) {
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    setVolumes(mountedVolumes());
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            emit driveChanged(itemData(index).toString());
        }
    });
}

void DriveList::setVolumes(const QList<Volume>& volumes) {
    const QSignalBlocker blocker(this);
    volumes_ = volumes;
    clear();
    for (const Volume& volume : volumes_) {
        QString text = QDir::toNativeSeparators(volume.root);
        if (!volume.label.isEmpty()) {
            text += QStringLiteral("  [") + volume.label + u']';
        }
        addItem(text, volume.root);
    }
    setCurrentIndex(volumes_.isEmpty() ? -1 : 0);
}

QString DriveList::drive() const {
    return currentData().toString();
}

bool DriveList::isReady(const QString& root) const {
    const auto it = std::find_if(volumes_.cbegin(), volumes_.cend(),
                                 [&](const Volume& v) { return v.root == root; });
    return it != volumes_.cend() && it->ready;
}

QString DriveList::driveOf(const QString& path) const {
    const QString clean = cleanRoot(path);
    QString best;
    for (const Volume& volume : volumes_) {
        if (rootHolds(volume.root, clean) && volume.root.size() > best.size()) {
            best = volume.root;
        }
    }
    if (best.isEmpty() && !volumes_.isEmpty()) {
        best = volumes_.first().root;
    }
    return best;
}

void DriveList::setDrive(const QString& root) {
    const int index = findData(root);
    if (index >= 0) {
        setCurrentIndex(index);
    }
}

void DriveList::showDrive(const QString& root) {
    const QSignalBlocker blocker(this);
    setDrive(root);
}

void openChosenDrive(DriveList& drives, FolderList& folders, MessageBoxService& boxes,
                     QWidget* parent) {
    const QString root = drives.drive();
    if (drives.isReady(root) && folders.setPath(root)) {
        return;
    }
    boxes.show(parent, QString::fromLatin1(kApplicationTitle), qtText(kDriveNotAvailableMessage));
    // Back to the folder list's drive; that change opens its root.
    drives.setDrive(drives.driveOf(folders.path()));
}

}  // namespace tg
