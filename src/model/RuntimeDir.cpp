#include "RuntimeDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

void RuntimeDir::ensure()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const uint uid = uint(::geteuid());
    const QString path = QDir::tempPath() + QStringLiteral("/runtime-%1").arg(uid);
    constexpr QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // Made private from the start, so no one else can step in before the check below.
    QDir().mkdir(path, owner);
    const QFileInfo info(path);
    // The temp dir is shared: a link or someone else's folder there is not ours to use.
    if (info.isSymLink() || !info.isDir() || info.ownerId() != uid)
        return;
    if ((info.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser)) != owner
        && !QFile::setPermissions(path, owner))
        return;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
}
