#include "Sha256.h"

#include <QFile>

#include <openssl/evp.h>

#include <vector>

Sha256::Sha256() : _context(EVP_MD_CTX_new())
{
    reset();
}

Sha256::~Sha256()
{
    EVP_MD_CTX_free(_context);
}

void Sha256::reset()
{
    EVP_DigestInit_ex(_context, EVP_sha256(), nullptr);
}

void Sha256::add(const char *data, qsizetype size)
{
    if (size > 0)
        EVP_DigestUpdate(_context, data, size_t(size));
}

QByteArray Sha256::hex()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(_context, digest, &length);
    reset();
    return QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex();
}

QByteArray Sha256::hexOf(const QByteArray &data)
{
    Sha256 hash;
    hash.add(data);
    return hash.hex();
}

QByteArray Sha256::hexOfFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    Sha256 hash;
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const qint64 n = file.read(buffer.data(), qint64(buffer.size()));
        if (n < 0) {
            if (error)
                *error = file.errorString();
            return {};
        }
        if (n == 0)
            return hash.hex();
        hash.add(buffer.data(), n);
    }
}
