// The colours of the skin, in one place so the look stays consistent.
#pragma once

#include <QColor>

namespace Palette {

// window chrome
inline const QColor chromeTop(0x24, 0x28, 0x2e);
inline const QColor chromeBottom(0x14, 0x17, 0x1b);
inline const QColor edgeDark(0x0a, 0x0b, 0x0d);
inline const QColor edgeLight(0x46, 0x4d, 0x57);
inline const QColor podFill(0x17, 0x1a, 0x1e);

// dark keys with drawn symbols
inline const QColor keyTop(0x3e, 0x45, 0x4f);
inline const QColor keyBottom(0x2a, 0x30, 0x37);
inline const QColor keyHoverTop(0x4d, 0x56, 0x62);
inline const QColor keyHoverBottom(0x35, 0x3c, 0x45);
inline const QColor keyPressedTop(0x1a, 0x1d, 0x22);
inline const QColor keyPressedBottom(0x27, 0x2c, 0x33);
inline const QColor keyDisabled(0x2a, 0x2e, 0x34);
inline const QColor symbol(0xd8, 0xde, 0xe5);
inline const QColor symbolHover(0xff, 0xff, 0xff);
inline const QColor symbolDisabled(0x5a, 0x62, 0x6b);

// accent (hover, selection, lit indicators)
inline const QColor accent(0x2e, 0x9b, 0xff);
inline const QColor accentLight(0x6c, 0xbd, 0xff);
inline const QColor accentDark(0x17, 0x63, 0xb8);
inline const QColor danger(0xd9, 0x36, 0x3e);
inline const QColor led(0x5d, 0xe3, 0x7a);

// silver keys carrying a black title (white on hover)
inline const QColor silverTop(0xf2, 0xf4, 0xf6);
inline const QColor silverBottom(0xc2, 0xc9, 0xd1);
inline const QColor silverEdge(0x4f, 0x58, 0x62);
inline const QColor silverPressedTop(0xa9, 0xb1, 0xba);
inline const QColor silverPressedBottom(0xcb, 0xd1, 0xd8);
inline const QColor silverDisabledTop(0x85, 0x8c, 0x94);
inline const QColor silverDisabledBottom(0x74, 0x7b, 0x83);

// instrument plate and displays
inline const QColor plateTop(0xd6, 0xdb, 0xe0);
inline const QColor plateBottom(0xb4, 0xbb, 0xc3);
inline const QColor plateInk(0x4a, 0x52, 0x5b);
inline const QColor lcd(0x00, 0x00, 0x00);
inline const QColor segment(0xff, 0xb4, 0x2a);
inline const QColor segmentGlow(0xff, 0x8a, 0x00);

} // namespace Palette
