#include "server/ServerPages.h"

#include <QUrl>

namespace {

const QString style = QStringLiteral(
    "body{margin:0;font-family:'DejaVu Sans',Verdana,sans-serif;background:#e8efe6;color:#1f4d2b}"
    "header{background:#1f6b3a;color:#fff;padding:14px 24px;font-size:22px;font-weight:bold}"
    "main{margin:24px auto;max-width:640px;background:#fff;border:1px solid #a9c2a4;border-radius:8px;"
    "padding:8px 24px 20px}"
    "h1{font-size:18px;color:#1f6b3a}a{color:#1f6b3a}"
    "nav{text-align:center;color:#5b7560;font-size:13px;margin-bottom:24px}"
    "label{display:block;margin:10px 0 4px}button{margin-top:14px}");

} // namespace

QByteArray serverPages::framed(const QString &title, const QString &body)
{
    const QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1 - Vylora 2010</title>\n<style>%2</style>\n</head>\n<body>\n"
                       "<header>Vylora 2010</header>\n<main>\n<h1>%1</h1>\n%3</main>\n"
                       "<nav><a href=\"/\">Accueil</a> &middot; <a href=\"/vyl.php\">Téléchargement</a> "
                       "&middot; <a href=\"/contacter.php\">Contact</a></nav>\n</body>\n</html>\n")
            .arg(title.toHtmlEscaped(), style, body);
    return html.toUtf8();
}

namespace {

QString paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>\n").arg(text.toHtmlEscaped());
}

} // namespace

namespace serverPages {

QByteArray home()
{
    return framed(
        QStringLiteral("Bienvenue"),
        paragraph(QStringLiteral("Vylora 2010 suit la Coupe du Monde de football 2010 sur un tableau mural : "
                                 "les scores, les groupes, les huitièmes et toute la phase finale.")) +
            QStringLiteral("<p>Les résultats officiels sont publiés ici ; le bouton « Mise à jour » du "
                           "programme les télécharge.</p>\n"
                           "<p><a href=\"/vyl.php\">Télécharger le programme et ses fichiers</a></p>\n"));
}

QByteArray download(const QStringList &files)
{
    QString list;
    for (const QString &file : files) {
        const QString escaped = file.toHtmlEscaped();
        list += QStringLiteral("<li><a href=\"/%1\">%2</a></li>\n")
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(file)), escaped);
    }
    const QString body = files.isEmpty() ? paragraph(QStringLiteral("Aucun fichier n'est proposé pour le moment."))
                                         : QStringLiteral("<ul>\n%1</ul>\n").arg(list);
    return framed(QStringLiteral("Téléchargement"), body);
}

QByteArray contact(const QString &subject)
{
    QString body = paragraph(QStringLiteral("Une question, une idée, une erreur dans les résultats ? "
                                            "Écrivez à l'auteur du site."));
    if (!subject.isEmpty())
        body += QStringLiteral("<p>Rappelez en objet : <strong>%1</strong></p>\n").arg(subject.toHtmlEscaped());
    return framed(QStringLiteral("Contact"), body);
}

QByteArray forum()
{
    return framed(QStringLiteral("Forum"),
                  paragraph(QStringLiteral("Le forum de Vylora 2010 n'est pas encore ouvert sur ce site. "
                                           "En attendant, vos idées et vos questions sont les bienvenues :")) +
                      QStringLiteral("<p><a href=\"/contacter.php\">Écrire à l'auteur</a></p>\n"));
}

QByteArray partner()
{
    return framed(QStringLiteral("Partenaire officiel"),
                  paragraph(QStringLiteral("Ce site n'a pas encore de partenaire. Le programme et ses fichiers "
                                           "restent à télécharger ici :")) +
                      QStringLiteral("<p><a href=\"/vyl.php\">Télécharger le programme</a></p>\n"));
}

QByteArray exportForm(bool passwordInAddress, const QString &pseudo)
{
    QString fields;
    // The program's editor sends its own field, which a publisher may not
    // have set to this server's password: a typed one takes its place.
    fields += passwordInAddress
                  ? QStringLiteral(
                        "<label for=\"mdp\">Mot de passe du site (s'il n'est pas celui de l'éditeur)</label>\n"
                        "<input type=\"password\" id=\"mdp\" name=\"mdp\">\n")
                  : QStringLiteral("<label for=\"mdp\">Mot de passe du site</label>\n"
                                   "<input type=\"password\" id=\"mdp\" name=\"mdp\" required>\n");
    if (pseudo.isEmpty())
        fields += QStringLiteral("<label for=\"pseudo\">Pseudo</label>\n"
                                 "<input type=\"text\" id=\"pseudo\" name=\"pseudo\">\n");
    else
        fields += paragraph(QStringLiteral("Publication par %1.").arg(pseudo));
    return framed(
        QStringLiteral("Publier les résultats"),
        paragraph(QStringLiteral("Choisissez le fichier VYL2010.ini : son chemin est dans le presse-papier "
                                 "(collez-le dans la fenêtre de choix du fichier).")) +
            QStringLiteral("<form method=\"post\" enctype=\"multipart/form-data\">\n%1"
                           "<label for=\"fichier\">Fichier</label>\n"
                           "<input type=\"file\" id=\"fichier\" name=\"fichier\" accept=\".ini\" required>\n"
                           "<br><button type=\"submit\">Publier</button>\n</form>\n")
                .arg(fields));
}

QByteArray answer(const QString &title, const QString &text)
{
    return framed(title, paragraph(text));
}

} // namespace serverPages
