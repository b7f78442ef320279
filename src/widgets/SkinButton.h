// A momentary button drawn from four skin images (normal, pressed, hover, disabled). It
// fires on mouse-down, so a command that opens a modal window or a menu runs while the
// button still shows its pressed image.
#pragma once

#include "SkinButtonBase.h"

class QMenu;
class SkinManager;

class SkinButton : public SkinButtonBase {
    Q_OBJECT

public:
    // Image states, as updateImage() takes them.
    enum State { StateNormal = 0, StatePressed = 1, StateHover = 2, StateDisabled = 3 };

    // The button of a skin item, placed by its bottom-left-origin position inside a
    // parent of height parentHeight.
    SkinButton(const SkinButtonInfo &info, int parentHeight, const QString &title = QString(),
               QWidget *parent = nullptr);

    // The button of skin item `key` inside `parent`, placed for the parent's current
    // height, tagged with the key; null when the skin has no button of that key.
    static SkinButton *create(const SkinManager &skin, int key, QWidget *parent,
                              const QString &title = QString(),
                              const QString &toolTip = QString());

    // Takes the item's images and visibility (not its place); the button is enabled
    // again, out of push mode, in the normal state.
    void setSkin(const SkinButtonInfo &info);

    // Shows a state's image with its title colour (white for hover, black otherwise);
    // any other number changes nothing.
    void updateImage(int state);
    int imageState() const { return _state; }
    const QImage &currentImage() const override;

    // Stores the flag and shows the resting image (hover in push mode, else normal),
    // dimmed while the button takes no clicks.
    void setSkinEnabled(bool enabled);

    // A tab's hover image is its selected look; a tab that is not selected shows the
    // mouse with a light wash over its normal image instead.
    void setTabLook(bool tab) { _tab = tab; }
    bool isHighlighted() const { return _highlight; }

    // Push mode keeps the hover image while the mouse is away (tab and menu buttons).
    void setPushMode(bool pushMode);
    bool pushMode() const { return _pushMode; }

    // Pops the menu up at the button's bottom-left corner and returns when it closes,
    // with the chosen action (whose own signal has fired) or null.
    QAction *showMenu(QMenu *menu);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    // A pushed button that takes no clicks still shows which tab is selected.
    bool looksDisabled() const override { return SkinButtonBase::looksDisabled() && !_pushMode; }

private:
    int restingState() const { return _pushMode ? StateHover : StateNormal; }

    bool _pushMode = false;
    bool _tab = false;
    int _state = StateNormal;
    QImage _imageNormal;
    QImage _imagePressed;
    QImage _imageHover;
    QImage _imageDisabled;
};
