// One file written so that readers see the old file or the whole new one, never a part:
// the bytes go to a nameless file in the target's folder (or, where the file system has
// none, a unique name created exclusively and without following links), every write is
// checked, the file is synced, put in place with a rename that replaces a link rather than
// following it, and the folder is synced. A failure leaves the old file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class DurableWrite {
public:
    explicit DurableWrite(std::string target);
    ~DurableWrite();  // without commit(): the new bytes are dropped
    DurableWrite(const DurableWrite &) = delete;
    DurableWrite &operator=(const DurableWrite &) = delete;

    bool open();
    // Appends size bytes at the end; false (and errorString set) once any write failed.
    bool write(const void *data, size_t size);
    bool write(const std::string &text) { return write(text.data(), text.size()); }
    // The descriptor for writers that seek (a movie muxer); -1 before open().
    int fd() const { return fd_; }
    // Records a failure a caller noticed on fd() itself.
    bool fail(const std::string &what, int code);
    bool failed() const { return !error_.empty(); }
    // Syncs and puts the file in place; false when anything failed on the way.
    bool commit();
    void cancel();
    // The new file took the target's name (commit() may still fail syncing the folder).
    bool placed() const { return committed_; }

    const std::string &target() const { return target_; }
    // "cannot write /path/name: No space left on device".
    const std::string &errorString() const { return error_; }
    int errorCode() const { return code_; }

    // The whole of text written to path.
    static bool writeFile(const std::string &path, const std::string &text, std::string *error = nullptr);
    // Makes renames in a folder durable; a file system that cannot sync a folder counts as done.
    static bool syncFolder(const std::string &folder, std::string *error = nullptr);
    // Removes temporaries of this target that writers killed on a file system without
    // nameless files left behind; only those of processes that no longer run.
    void removeStale() const;
    // How many file and folder syncs succeeded in this process, for checks that nothing skips one.
    static uint64_t syncCount();

private:
    bool openNamed();
    bool placeNameless();
    void drop();

    std::string target_;
    std::string folder_;
    std::string temporary_;  // empty while the file has no name
    int fd_ = -1;
    bool committed_ = false;
    std::string error_;
    int code_ = 0;
};
