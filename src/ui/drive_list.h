#pragma once

#include <QList>
#include <QString>

#include "ui/drop_down_list.h"

namespace tg {

class FolderList;
class MessageBoxService;

// One entry of the drive list: a mounted file system.
struct Volume {
    QString root;   // its mount point, e.g. "/" or "/media/ann/USB"
    QString label;  // its name, where it has one
    bool ready = true;
};

// The mounted file systems of the machine, "/" first, then by mount point.
QList<Volume> mountedVolumes();

// A pick-only list of drives (on Linux: mount points). Choosing a different
// drive, by hand or by setDrive, emits driveChanged.
class DriveList : public DropDownList {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Replaces the listed volumes without emitting driveChanged; the first
    // becomes the current drive.
    void setVolumes(const QList<Volume>& volumes);

    // The current drive's root.
    QString drive() const;

    // False for a volume that reports itself not ready (no medium, device
    // gone) and for a root that is not listed.
    bool isReady(const QString& root) const;

    // The root of the listed volume that holds path: the longest root that
    // path lies under. Falls back to the first drive.
    QString driveOf(const QString& path) const;

    // Makes root the current drive; emits driveChanged when it was another.
    void setDrive(const QString& root);

    // Shows root as the current drive without emitting driveChanged.
    void showDrive(const QString& root);

signals:
    void driveChanged(const QString& root);

private:
    QList<Volume> volumes_;
};

// What a folder dialog does when the user picks a drive: open its root in the
// folder list; for a drive that is not ready, say "Drive not available." and
// go back to the drive of the open folder (whose change opens that root).
void openChosenDrive(DriveList& drives, FolderList& folders, MessageBoxService& boxes,
                     QWidget* parent);

}  // namespace tg
