#include "app/Prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

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

QString Prompts::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                              const QStringList &filters)
{
    QString chosenFilter = filters.value(0);
    const QString path = QFileDialog::getSaveFileName(parent, title, suggested, filters.join(QStringLiteral(";;")),
                                                      &chosenFilter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    static const QRegularExpression extension(QStringLiteral("\\*(\\.\\w+)"));
    return path + extension.match(chosenFilter).captured(1);
}
