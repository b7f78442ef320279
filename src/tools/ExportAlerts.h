// The alerts the tool windows share: a refusal, failure or result, and the question
// before an existing file is replaced.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace ExportAlerts {
void show(QWidget *parent, const QString &message, QMessageBox::Icon icon = QMessageBox::Critical);
// The "file could not be written" alert, naming the file and the system's reason.
void writeFailed(QWidget *parent, const QString &path, const QString &reason);
// Asks "msg_samefile_overwrite", naming the file, when path exists; Cancel is the default.
// True to go on.
bool mayWrite(QWidget *parent, const QString &path);
} // namespace ExportAlerts
