#pragma once

#include <QString>

#include <cstdint>

namespace test {

// Takes the write permission from a folder and everything in it while it lives.
class ReadOnlyTree final {
public:
    explicit ReadOnlyTree(QString folder);
    ~ReadOnlyTree();

    ReadOnlyTree(const ReadOnlyTree&) = delete;
    ReadOnlyTree& operator=(const ReadOnlyTree&) = delete;

    // False where permissions do not bind this process, as for the superuser.
    bool Binds() const;

private:
    QString m_folder;
};

// While it lives, no file of this process grows beyond `bytes`, as if the disk filled up midway;
// for those who may not mount a small one. Only where the system knows such a limit.
class FileSizeLimit final {
public:
    static bool Available();

    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::uint64_t m_previousSoft = 0;
    std::uint64_t m_previousHard = 0;
    void (*m_previousSignal)(int) = nullptr;
};

// A file system of 64 KB mounted on `folder` while it lives; where the system and the user may.
class SmallFileSystem final {
public:
    explicit SmallFileSystem(QString folder);
    ~SmallFileSystem();

    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};

} // namespace test
