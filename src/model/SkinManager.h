// The window's skin: rectangles, background pictures and button images by item key,
// read from the built-in "brumoset.dsc" / "brumoset.chk" pair, plus the image helpers
// every picture of the viewer passes through.
#pragma once

#include "SkinButtonInfo.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class vexa_dsc_file;
class vexa_chk_file;

class SkinManager {
public:
    // Item kinds of the descriptor.
    static constexpr int KindImage = 2;
    static constexpr int KindButton = 3;
    // Height of the window the skin rectangles are laid out in.
    static constexpr int WindowHeight = 768;

    // The built-in skin; null when the pair is missing or malformed.
    static std::unique_ptr<SkinManager> create();
    // A skin from other files (or other ":/" resources); null when either fails to load.
    static std::unique_ptr<SkinManager> create(const QString &dscPath, const QString &chkPath);
    ~SkinManager();

    SkinManager(const SkinManager &) = delete;
    SkinManager &operator=(const SkinManager &) = delete;

    // The picture of a kind-2 item; null for other kinds, unknown keys or a bad BMP.
    QImage imageForKey(int key) const;
    // The item's rectangle in bottom-left coordinates of the 768-high window:
    // x = left, y = 768 - bottom, w = right - left, h = bottom - top.
    // An unknown key gives (0, 768, 0, 0).
    QRect rectForKey(int key) const;
    // As above, inside a view of the given height (0 when there is no view).
    QRect rectForKey(int key, int viewHeight) const;
    // The four state images of a kind-3 item and its place in the view; nullopt for
    // other kinds, unknown keys or a bad BMP.
    std::optional<SkinButtonInfo> buttonForKey(int key, int viewHeight) const;

    bool containsKey(int key) const;
    int kindForKey(int key) const;  // 0 for an unknown key

    // Decodes BMP or JPEG bytes (recognised by their first bytes); null for anything else.
    static QImage imageWithData(const uchar *data, qsizetype len);
    // Decodes one strip and cuts it into count equal images side by side; image i's left
    // edge is at i * W / count. Empty when the data does not decode, count < 1 or the
    // strip is narrower than count pixels.
    static QList<QImage> imageArrayWithData(const QByteArray &data, int count);

    // Bundled pictures (glyph strips, slider and map pictures) live at
    // ":/resources/<name>.<type>"; a name that already carries an extension and an empty
    // type is used as it stands.
    static QString resourcePath(const QString &name, const QString &type = QStringLiteral("bmp"));
    static QByteArray resourceData(const QString &name, const QString &type = QStringLiteral("bmp"));
    static QImage resourceImage(const QString &name, const QString &type = QStringLiteral("bmp"));
    // A glyph strip resource cut into count glyphs.
    static QList<QImage> resourceImageArray(const QString &name, int count);

private:
    SkinManager();

    std::unique_ptr<vexa_dsc_file> _dsc_file;
    std::unique_ptr<vexa_chk_file> _chk_file;
};
