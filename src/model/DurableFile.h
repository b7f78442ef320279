// A QIODevice over DurableWrite, for writers that take a device (QImageWriter, QPdfWriter):
// what QSaveFile does, but every write and the final sync are checked, the folder is synced
// and a link under the target's name is replaced, never followed.
#pragma once

#include "DurableWrite.h"

#include <QIODevice>
#include <QString>

class DurableFile : public QIODevice {
public:
    explicit DurableFile(const QString &path);
    ~DurableFile() override;

    bool open(OpenMode mode = WriteOnly) override;
    bool isSequential() const override { return true; }
    // Puts the file in place; false (errorString() says which file and why) when any of it failed.
    bool commit();
    void cancelWriting();
    QString fileName() const { return _path; }
    // "cannot write /path/out.csv: No space left on device".
    QString reason() const;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QString _path;
    DurableWrite _file;
};
