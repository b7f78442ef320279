// The program's one window: borderless, 1024 x 768, centred on the screen, its content the
// main view. The top strip acts as the title bar for dragging, and the window never moves
// above the top of the screen's usable area. The skin is laid out for that one size, so the
// window tells the window manager it cannot be resized; only full screen lifts that. The
// menu keys are window shortcuts, and the playback keys work whatever part of the window
// has focus, except a text field.
#pragma once

#include <QPoint>
#include <QWidget>

#include <memory>

class MainView;
class SkinManager;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Drags start only in the strip at or above this height (bottom-left coordinates).
    static constexpr int DragStripBottom = 735;

    explicit MainWindow(std::unique_ptr<SkinManager> skin, QWidget *parent = nullptr);

    MainView *mainView() const { return _mainView; }
    // Where a drag started, in window coordinates.
    bool isDragging() const { return _dragging; }
    QPoint dragStart() const { return _location; }

    // The top-left corner that centres a window of this size on the screen; without a
    // screen, the position of a window centred on the origin.
    static QPoint centredOrigin(const QSize &size);
    // The new top-left corner of a drag, kept below the top of the usable screen area.
    static QPoint draggedOrigin(const QPoint &origin, const QPoint &delta, int screenTop);
    // Whether a key belongs to playback (and the full-window keys) rather than to the
    // focused control, unless that control is a text field.
    static bool isPlaybackKey(const QKeyEvent *event);
    static bool isTextField(const QWidget *widget);
    // Full screen lifts the fixed size; normal puts it back.
    void setFullScreen(bool on);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createShortcuts();

    MainView *_mainView;
    // A press exactly at the corner is a real start point, so the flag says whether
    // one is remembered rather than the point being zero.
    bool _dragging = false;
    QPoint _location;
    QPoint _normalOrigin;  // where the window stood before full screen
};
