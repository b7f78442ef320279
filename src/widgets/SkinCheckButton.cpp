#include "SkinCheckButton.h"

#include "SkinManager.h"

#include <QMouseEvent>

SkinCheckButton::SkinCheckButton(const SkinButtonInfo &info, int parentHeight,
                                 const QString &title, QWidget *parent)
    : SkinButtonBase(parent)
{
    setCheckable(true);
    place(info, parentHeight);
    setText(title);
    setSkin(info);
}

SkinCheckButton *SkinCheckButton::create(const SkinManager &skin, int key, QWidget *parent,
                                         const QString &title, const QString &toolTip)
{
    const int height = parent ? parent->height() : 0;
    const std::optional<SkinButtonInfo> info = skin.buttonForKey(key, height);
    if (!info)
        return nullptr;
    auto *button = new SkinCheckButton(*info, height, title, parent);
    button->setTag(key);
    button->setToolTip(toolTip);
    return button;
}

void SkinCheckButton::setSkin(const SkinButtonInfo &info)
{
    _enabled = true;
    _imageNormal = info.imageNormal;
    _imageNormalHover = info.imagePressed;
    _imageCheck = info.imageHover;
    _imageCheckHover = info.imageDisabled;
    showImage(ImageNormal);
    setTextColor(Qt::black);
    applyVisibility(info);
}

void SkinCheckButton::setState(bool on)
{
    setChecked(on);
    showImage(on ? ImageCheck : ImageNormal);
}

const QImage &SkinCheckButton::currentImage() const
{
    switch (_shown) {
    case ImageNormalHover:
        return _imageNormalHover;
    case ImageCheck:
        return _imageCheck;
    case ImageCheckHover:
        return _imageCheckHover;
    default:
        return _imageNormal;
    }
}

void SkinCheckButton::showImage(Image image)
{
    _shown = image;
    update();
}

void SkinCheckButton::mousePressEvent(QMouseEvent *event)
{
    if (!acceptsPress(event))
        return;
    setState(!isChecked());
    sendAction();
}

void SkinCheckButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (acceptsRelease(event))
        showImage(isChecked() ? ImageCheckHover : ImageNormalHover);
}

void SkinCheckButton::enterEvent(QEnterEvent *)
{
    if (!_enabled)
        return;
    showImage(isChecked() ? ImageCheckHover : ImageNormalHover);
    setTextColor(Qt::white);
}

void SkinCheckButton::leaveEvent(QEvent *)
{
    if (!_enabled)
        return;
    showImage(isChecked() ? ImageCheck : ImageNormal);
    setTextColor(Qt::black);
}
