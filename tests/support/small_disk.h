#pragma once

#include <QString>
#include <QTemporaryDir>

namespace kw {

// A tiny tmpfs mounted on a temporary folder, so a test can fill a real disk.
// Mounting needs root; where it is not allowed the disk is unavailable and
// the test relies on the failing file layer instead.
class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool available() const { return mounted_; }
    QString path() const { return dir_.path(); }
    // Fills the disk with one file, `filler` in its root, to the last byte.
    void fill(const QString& filler) const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace kw
