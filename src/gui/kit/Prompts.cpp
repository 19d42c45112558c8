#include "gui/kit/Prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

void Prompts::notice(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool Prompts::question(QWidget *parent, const QString &title, const QString &text, bool defaultYes)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 defaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

void Prompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

int Prompts::choice(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QPushButton *> pressed;
    for (const QString &caption : buttons)
        pressed.append(box.addButton(caption, QMessageBox::ActionRole));
    if (pressed.isEmpty())
        return -1;
    box.setDefaultButton(pressed.first());
    box.setEscapeButton(pressed.last());
    box.exec();
    const qsizetype index = pressed.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return index >= 0 ? int(index) : int(pressed.size() - 1);
}

QString Prompts::input(QWidget *parent, const QString &title, const QString &prompt, const QString &initial)
{
    return QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial);
}

QString Prompts::secret(QWidget *parent, const QString &title, const QString &prompt, const QString &initial)
{
    return QInputDialog::getText(parent, title, prompt, QLineEdit::Password, initial);
}

QString Prompts::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                              const QStringList &filters)
{
    QString chosenFilter = filters.value(0);
    const QString path =
        QFileDialog::getSaveFileName(parent, title, suggested, filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    static const QRegularExpression extension(QStringLiteral("\\*(\\.\\w+)"));
    return path + extension.match(chosenFilter).captured(1);
}

QString Prompts::openFileName(QWidget *parent, const QString &title, const QStringList &filters)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filters.join(QStringLiteral(";;")));
}
