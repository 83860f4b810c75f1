#pragma once

#include <QComboBox>
#include <QList>
#include <QString>

namespace tg {

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
class DriveList : public QComboBox {
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

}  // namespace tg
