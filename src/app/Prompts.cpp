#include "app/Prompts.h"

#include <QInputDialog>
#include <QMessageBox>

void Prompts::notice(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool Prompts::question(QWidget *parent, const QString &title, const QString &text, bool defaultYes)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 defaultYes ? QMessageBox::Yes : QMessageBox::No)
           == QMessageBox::Yes;
}

QString Prompts::input(QWidget *parent, const QString &title, const QString &prompt, const QString &initial)
{
    return QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial);
}
