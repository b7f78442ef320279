#include "SkinButton.h"

#include "SkinManager.h"

#include <QMenu>
#include <QMouseEvent>

SkinButton::SkinButton(const SkinButtonInfo &info, int parentHeight, const QString &title,
                       QWidget *parent)
    : SkinButtonBase(parent)
{
    place(info, parentHeight);
    setText(title);
    setSkin(info);
}

SkinButton *SkinButton::create(const SkinManager &skin, int key, QWidget *parent,
                               const QString &title, const QString &toolTip)
{
    const int height = parent ? parent->height() : 0;
    const std::optional<SkinButtonInfo> info = skin.buttonForKey(key, height);
    if (!info)
        return nullptr;
    auto *button = new SkinButton(*info, height, title, parent);
    button->setTag(key);
    button->setToolTip(toolTip);
    return button;
}

void SkinButton::setSkin(const SkinButtonInfo &info)
{
    _enabled = true;
    _pushMode = false;
    _imageNormal = info.imageNormal;
    _imagePressed = info.imagePressed;
    _imageHover = info.imageHover;
    _imageDisabled = info.imageDisabled;
    updateImage(StateNormal);
    applyVisibility(info);
}

void SkinButton::updateImage(int state)
{
    if (state < StateNormal || state > StateDisabled)
        return;
    _state = state;
    _highlight = false;
    setTextColor(state == StateHover ? Qt::white : Qt::black);
}

const QImage &SkinButton::currentImage() const
{
    switch (_state) {
    case StatePressed:
        return _imagePressed;
    case StateHover:
        return _imageHover;
    case StateDisabled:
        return _imageDisabled;
    default:
        return _imageNormal;
    }
}

void SkinButton::setSkinEnabled(bool enabled)
{
    _enabled = enabled;
    updateImage(restingState());
}

void SkinButton::setPushMode(bool pushMode)
{
    _pushMode = pushMode;
    updateImage(restingState());
}

QAction *SkinButton::showMenu(QMenu *menu)
{
    if (!menu)
        return nullptr;
    return menu->exec(mapToGlobal(QPoint(0, height())));
}

void SkinButton::mousePressEvent(QMouseEvent *event)
{
    if (!acceptsPress(event))
        return;
    updateImage(StatePressed);
    sendAction();
}

void SkinButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (acceptsRelease(event))
        updateImage(restingState());
}

void SkinButton::enterEvent(QEnterEvent *)
{
    if (!_enabled)
        return;
    if (_tab && !_pushMode) {
        _highlight = true;
        update();
    } else {
        updateImage(StateHover);
    }
}

void SkinButton::leaveEvent(QEvent *)
{
    if (_enabled)
        updateImage(restingState());
}
