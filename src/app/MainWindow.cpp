#include "MainWindow.h"

#include "MainView.h"
#include "SkinManager.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <climits>

MainWindow::MainWindow(std::unique_ptr<SkinManager> skin, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    resize(MainView::Width, MainView::Height);
    move(centredOrigin(size()));
    _mainView = new MainView(std::move(skin), this);
    _mainView->setGeometry(rect());
    _mainView->setFocus();
}

QPoint MainWindow::centredOrigin(const QSize &size)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(-size.width() / 2, -size.height() / 2);
    const QRect frame = screen->geometry();
    return frame.topLeft() + QPoint((frame.width() - size.width()) / 2,
                                    (frame.height() - size.height()) / 2);
}

QPoint MainWindow::draggedOrigin(const QPoint &origin, const QPoint &delta, int screenTop)
{
    QPoint moved = origin + delta;
    if (moved.y() < screenTop)
        moved.setY(screenTop);
    return moved;
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint local = event->position().toPoint();
    // The strip is measured upwards from the window's bottom edge.
    const int y = height() - local.y();
    _dragging = y >= DragStripBottom;
    _location = _dragging ? local : QPoint();
    event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!_dragging || isFullScreen())
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int top = screen ? screen->availableGeometry().top() : INT_MIN;
    move(draggedOrigin(pos(), event->position().toPoint() - _location, top));
}

void MainWindow::mouseReleaseEvent(QMouseEvent *)
{
    _dragging = false;
    _location = QPoint();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        _mainView->tagCommand(MainView::TagPlayPause);
        return;
    case Qt::Key_4:
    case Qt::Key_Left:
        _mainView->tagCommand(MainView::TagPrevFrame);
        return;
    case Qt::Key_6:
    case Qt::Key_Right:
        _mainView->tagCommand(MainView::TagNextFrame);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        _mainView->tagCommand(event->modifiers() & Qt::AltModifier ? MainView::TagFullScreen
                                                                   : MainView::TagFullWindow);
        break;  // and on to the default handling
    case Qt::Key_Escape:
        _mainView->tagCommand(MainView::TagLeaveFullWindow);
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    _mainView->setGeometry(rect());
}
