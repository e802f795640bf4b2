#pragma once

#include <QString>

// A small tmpfs of a test's own, for disks that are full or read-only. Mounting needs
// privileges a machine may not grant: check mounted() and skip with a clear message.
class SmallDisk
{
public:
    SmallDisk(const QString &where, const QString &size);
    ~SmallDisk();
    bool mounted() const { return mounted_; }
    // "ro", "rw", "size=1m": the options of a remount.
    bool remount(const QString &options);

private:
    QString where_;
    bool mounted_ = false;
};
