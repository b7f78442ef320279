#include "AboutBox.h"

#include "CameraSettings.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>

QString AboutBox::firmwareVersion(bool opened, const QString &rootPath)
{
    if (opened && !rootPath.isEmpty()) {
        const QString version =
            QString::fromStdString(CameraSettings::readVersion(rootPath.toStdString()));
        const QStringList fields = version.split(QLatin1Char('_'));
        if (fields.size() >= 2 && !fields.at(1).isEmpty())
            return fields.at(1);
    }
    return Texts::text("gui_unknown");
}

QString AboutBox::title(const QString &applicationName)
{
    return QStringLiteral("%1 %2").arg(applicationName, Texts::text("gui_information"));
}

QString AboutBox::informativeText(ProductVariant::Kind kind, const QString &viewerVersion,
                                  const QString &firmware)
{
    const QString pcLine = QStringLiteral("%1 : %2").arg(Texts::text("gui_pc_version"), viewerVersion);
    const QString machineLine =
        QStringLiteral("%1 : %2").arg(Texts::text("gui_machine_version"), firmware);
    QStringList lines;
    switch (kind) {
    case ProductVariant::Orvisto:
        lines << QStringLiteral("ORVISTO")
              << QStringLiteral("Analysis Software Version : %1").arg(viewerVersion)
              << QStringLiteral("Drive Recorder Firmware Version : %1").arg(firmware)
              << QStringLiteral("Copyright (C) Orvisto. All rights reserved.");
        break;
    case ProductVariant::Tremolax:
        lines << QStringLiteral("Tremolax Viewer") << pcLine << machineLine;
        break;
    case ProductVariant::Tumbo:
        lines << QStringLiteral("Tumbo Viewer - Tumbo QT700") << pcLine << machineLine
              << QStringLiteral("Copyright (C) Tumbo.") << QStringLiteral("All rights reserved.");
        break;
    }
    return lines.join(QLatin1Char('\n'));
}

void AboutBox::show(QWidget *parent, bool opened, const QString &rootPath)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(title(QGuiApplication::applicationDisplayName()));
    box.setText(title(QGuiApplication::applicationDisplayName()));
    box.setInformativeText(informativeText(ProductVariant::current(),
                                           QCoreApplication::applicationVersion(),
                                           firmwareVersion(opened, rootPath)));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}
