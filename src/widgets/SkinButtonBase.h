// What the two skinned buttons share: a tag that names their command, a title drawn
// centred over the current skin image in a settable colour, their own enabled flag, the
// rule that a second (or third) click of a multi-click does nothing, and the action
// signal sent on mouse-down.
#pragma once

#include "SkinButtonInfo.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>

class SkinButtonBase : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    int tag() const { return _tag; }
    void setTag(int tag) { _tag = tag; }

    // Colour of the whole title, until the next state change sets its own.
    QColor textColor() const { return _textColor; }
    void setTextColor(const QColor &color);

    // Whether the button reacts to the mouse. Unlike QWidget::setEnabled this leaves
    // the look alone: a skinned button keeps its image when it stops taking clicks.
    bool isSkinEnabled() const { return _enabled; }

    // The image shown now.
    virtual const QImage &currentImage() const = 0;

    QSize sizeHint() const override;

signals:
    // The button's action, sent on mouse-down; tag() names the command.
    void triggered(int tag);

protected:
    explicit SkinButtonBase(QWidget *parent);

    // Geometry from the skin item's bottom-left-origin position.
    void place(const SkinButtonInfo &info, int parentHeight);
    // Hides the button when the skin says it starts hidden; a visible item leaves the
    // visibility to the parent.
    void applyVisibility(const SkinButtonInfo &info);
    // Whether a mouse-down should act: the left button, the button enabled, and not the
    // later press of a multi-click. Other buttons' presses go on to the parent.
    bool acceptsPress(QMouseEvent *event);
    bool acceptsRelease(QMouseEvent *event) const;
    void sendAction();

    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    bool _enabled = true;

private:
    bool isLaterClick(const QMouseEvent *event) const;

    int _tag = 0;
    QColor _textColor = Qt::black;
    // Time of the last press that belonged to a multi-click (0: none).
    quint64 _lastMultiClick = 0;
};
