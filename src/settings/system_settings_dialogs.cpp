#include "settings/system_settings_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

QString SystemSettingsDialogs::getSaveFileName(QWidget* parent, const QString& caption,
                                               const QString& dir, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString SystemSettingsDialogs::getOpenFileName(QWidget* parent, const QString& caption,
                                               const QString& dir, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void SystemSettingsDialogs::warning(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    // A command in the text can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void SystemSettingsDialogs::inform(const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
