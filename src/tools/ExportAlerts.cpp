#include "ExportAlerts.h"

#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

namespace ExportAlerts {

void show(QWidget *parent, const QString &message, QMessageBox::Icon icon)
{
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok, parent);
    box.exec();
}

void writeFailed(QWidget *parent, const QString &path, const QString &reason)
{
    QString message = Texts::text("msg_save_file_fail").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        message += u'\n' + reason;
    show(parent, message);
}

bool mayWrite(QWidget *parent, const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    Texts::text("msg_samefile_overwrite") + QStringLiteral("\n\n")
                        + QDir::toNativeSeparators(path),
                    QMessageBox::NoButton, parent);
    QPushButton *cancel = box.addButton(Texts::text("gui_cancel"), QMessageBox::RejectRole);
    QPushButton *ok = box.addButton(Texts::text("gui_ok"), QMessageBox::AcceptRole);
    box.setDefaultButton(cancel);
    box.exec();
    return box.clickedButton() == ok;
}

} // namespace ExportAlerts
