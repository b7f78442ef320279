#include "ViewSnapshot.h"

#include <QPixmap>
#include <QWidget>

QImage ViewSnapshot::imageForView(QWidget *view, const QRect &rect)
{
    if (!view)
        return QImage();
    const QRect area = rect.isValid() ? rect : view->rect();
    QImage image = view->grab(area).toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}
