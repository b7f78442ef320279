// What the two skinned buttons share: a tag that names their command, a title drawn
// centred over the current skin image in a settable colour, their own enabled flag, the
// rule that a second (or third) click of a multi-click does nothing, and the action
// signal sent on mouse-down.
#pragma once

#include "SkinButtonInfo.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
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

    // Whether the button reacts to the mouse. Unlike QWidget::setEnabled this keeps the
    // state image; a button that takes no clicks is drawn dimmed over it.
    bool isSkinEnabled() const { return _enabled; }
    // A button that never takes clicks (a heading) keeps its full look.
    void setDimmedWhenDisabled(bool dim) { _dimWhenDisabled = dim; update(); }

    // The title as drawn in width: the font shrunk until the text fits, but not below a
    // legible size, and the text elided when even that is too wide.
    static QString fittedTitle(const QString &title, int width, QFont *font);
    static constexpr qreal MinimumTitlePointSize = 7.0;

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

    // Whether the button is drawn dimmed: it takes no clicks.
    virtual bool looksDisabled() const { return !_enabled && _dimWhenDisabled; }

    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    bool _enabled = true;
    // A light wash over the image: the hover look of a button whose hover image means
    // something else (a tab's hover image is its selected look).
    bool _highlight = false;
    bool _dimWhenDisabled = true;

private:
    bool isLaterClick(const QMouseEvent *event) const;
    void paintHighlight(QPainter &painter) const;

    int _tag = 0;
    QColor _textColor = Qt::black;
    // Time of the last press that belonged to a multi-click (0: none).
    quint64 _lastMultiClick = 0;
};
