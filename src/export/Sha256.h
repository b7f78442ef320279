// SHA-256 over OpenSSL's EVP interface, which uses the processor's SHA instructions where
// present (several times faster than QCryptographicHash on such machines).
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct evp_md_ctx_st;

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    void add(const char *data, qsizetype size);
    void add(const QByteArray &data) { add(data.constData(), data.size()); }
    // The 64 lower-case hex digits; the hash starts over afterwards.
    QByteArray hex();

    static QByteArray hexOf(const QByteArray &data);
    // The hash of a whole file, read in large blocks; empty when it cannot be read (error says why).
    static QByteArray hexOfFile(const QString &path, QString *error = nullptr);

private:
    void reset();
    evp_md_ctx_st *_context = nullptr;
};
