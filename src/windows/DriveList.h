#pragma once
// The browser's drive list: the mounted volumes, the root file system
// first, each shown by the folder it is mounted on.
#include <QComboBox>

namespace tessaline {

class DriveList : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveList(QWidget* parent = nullptr);

    // Re-reads the mounted volumes, keeping the chosen one when it is still there.
    void refresh();

    // The chosen volume's mount folder ("/" for the root file system).
    QString drive() const;
    // Chooses the volume mounted at drive; false when there is none.
    bool setDrive(const QString& drive);
    // Shows the volume that holds path without reporting a change.
    void showVolumeOf(const QString& path);

  signals:
    // The user or setDrive chose another volume.
    void driveChanged();
};

} // namespace tessaline
