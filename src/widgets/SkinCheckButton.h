// An on/off button drawn from four skin images: off, off with the mouse inside, on, and
// on with the mouse inside. A mouse-down flips it and sends its action at once, so the
// receiver reads the new state.
#pragma once

#include "SkinButtonBase.h"

class SkinManager;

class SkinCheckButton : public SkinButtonBase {
    Q_OBJECT

public:
    // The four images, in the order of the skin item's four slots.
    enum Image { ImageNormal = 0, ImageNormalHover = 1, ImageCheck = 2, ImageCheckHover = 3 };

    // The check button of a skin item, placed by its bottom-left-origin position inside
    // a parent of height parentHeight; it starts off.
    SkinCheckButton(const SkinButtonInfo &info, int parentHeight,
                    const QString &title = QString(), QWidget *parent = nullptr);

    // As SkinButton::create, for a check button.
    static SkinCheckButton *create(const SkinManager &skin, int key, QWidget *parent,
                                   const QString &title = QString(),
                                   const QString &toolTip = QString());

    // Takes the item's images and visibility (not its place); enabled, showing the off
    // image with a black title.
    void setSkin(const SkinButtonInfo &info);

    // Sets on or off and shows the matching image (on or off, without hover).
    void setState(bool on);
    bool state() const { return isChecked(); }

    // The image stays; a button that takes no clicks is drawn dimmed.
    void setSkinEnabled(bool enabled) { _enabled = enabled; update(); }

    Image shownImage() const { return _shown; }
    const QImage &currentImage() const override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showImage(Image image);

    Image _shown = ImageNormal;
    QImage _imageNormal;
    QImage _imageNormalHover;
    QImage _imageCheck;
    QImage _imageCheckHover;
};
