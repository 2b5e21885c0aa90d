#include "app/ErrorMessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

void showErrorMessageBox(const QString &message)
{
    // Where no one can see a window (the offscreen and minimal platforms), a modal box would
    // wait for ever: the line on standard error is the whole report there.
    const QString platform = QGuiApplication::platformName();
    const bool visible = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (visible && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("文法ドリル"), message, QMessageBox::Ok);
        box.exec();
    }
}
