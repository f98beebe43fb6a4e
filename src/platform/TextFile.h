#pragma once
#include <QByteArray>
#include <QString>

// Whole-file reads and writes with the platform's error messages ("File not found",
// "Invalid filename", "Too many open files", "File access denied", "Disk full",
// "I/O error N"), raised as PlatformError. Descriptors are closed on every path.
//
// A write never destroys the old file: the bytes go to a temporary file in the same
// folder, which is renamed over the old one only once it is complete and flushed. On any
// failure the old file is as it was and the temporary file is gone. A target that is not a
// regular file (a device such as /dev/full) is written in place, never replaced.
namespace TextFile {

// Files larger than this are refused with "File too large (the limit is 32 MB)": a word
// list is text typed by people (Debian's 100,000-word dictionary is 1 MB), and a larger file
// would only freeze the window.
inline constexpr qint64 MaxReadSize = 32LL * 1024 * 1024;

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

// A file being written in place of another: the bytes go to a temporary file beside the
// target until Commit() renames it over the target. Destroyed without Commit(), the
// temporary file is removed and the target is untouched.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    int Descriptor() const { return Fd; }
    void Write(const QByteArray& bytes);
    // Raises the message for an error met while writing through Descriptor().
    [[noreturn]] void Fail(int error) const;
    void Commit();

private:
    QString Path;
    QByteArray Target;
    QByteArray TempPath; // empty when writing a device in place
    int Fd = -1;
    bool Committed = false;
};

// The message for an errno at a path ("File not found" or "Invalid filename" for ENOENT,
// depending on whether the folder exists).
QString ErrorMessage(int error, const QString& path);

} // namespace TextFile
