#include "MainWindow.h"

#include "MainView.h"
#include "MenuShortcuts.h"
#include "SkinManager.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>

#include <climits>

MainWindow::MainWindow(std::unique_ptr<SkinManager> skin, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setFixedSize(MainView::Width, MainView::Height);
    move(centredOrigin(size()));
    _mainView = new MainView(std::move(skin), this);
    _mainView->setGeometry(rect());
    _mainView->setFocus();
    createShortcuts();
    qApp->installEventFilter(this);
}

void MainWindow::createShortcuts()
{
    for (const MenuShortcuts::Entry &entry : MenuShortcuts::table()) {
        if (!entry.windowShortcut)
            continue;
        for (const QKeySequence &key : MenuShortcuts::keysOf(entry)) {
            auto *shortcut = new QShortcut(key, this);
            const int tag = entry.tag;
            connect(shortcut, &QShortcut::activated, _mainView, [this, tag] { _mainView->didCommand(tag); });
        }
    }
}

void MainWindow::setFullScreen(bool on)
{
    if (on) {
        _normalOrigin = pos();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
    } else {
        showNormal();
        setFixedSize(MainView::Width, MainView::Height);
        // Back where it was, not wherever the window manager puts a resized window.
        move(_normalOrigin);
    }
}

bool MainWindow::isPlaybackKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_4:
    case Qt::Key_6:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    default:
        return false;
    }
}

bool MainWindow::isTextField(const QWidget *widget)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget);
}

// A table or the map with focus would take Space and the arrows for itself: those keys go
// to the main view first, as when it has focus.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || watched == this || watched == _mainView)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!widget || widget->window() != this || !isPlaybackKey(key) || isTextField(widget))
        return false;
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   ushort(key->count()));
    QCoreApplication::sendEvent(_mainView, &copy);
    return true;
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
