#include "gui/editor/EditorPanel.h"

#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/editor/ExportAddress.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/CompactMode.h"
#include "gui/kit/EscapeKey.h"
#include "gui/kit/Prompts.h"
#include "storage/IniDocument.h"
#include "storage/ModuleSetting.h"
#include "storage/OwnChart.h"
#include "storage/UserSettings.h"
#include "tournament/ProgramVersion.h"
#include "tournament/Tournament.h"

#include <algorithm>

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString notSet = QStringLiteral("-");
const QColor warningRed(255, 0, 0);
constexpr const char *warningKey = "warning";
// Over the two columns of group tables, whose top it starts at.
constexpr int panelWidth = 2 * 6540 + 45;

// Red says "look here": the background of an empty field, the text of a
// filled one, which dark text on red would leave hard to read.
void showWarning(QLineEdit *field)
{
    QPalette colours; // the program's own
    if (field->property(warningKey).toBool())
        colours.setColor(field->text().isEmpty() ? QPalette::Base : QPalette::Text, warningRed);
    field->setPalette(colours);
}

QString chartPath(const QString &stem)
{
    return QDir::toNativeSeparators(QFileInfo(iniFilePath(stem)).absoluteFilePath());
}

} // namespace

EditorPanel::EditorPanel(Tournament &t, Prompts &prompts, UserSettings &settings,
                         QList<QWidget *> illustratedButtons, QWidget *parent)
    : CardFrame(QString(), parent)
    , m_tournament(t)
    , m_prompts(prompts)
    , m_settings(settings)
    , m_illustratedButtons(std::move(illustratedButtons))
{
    nameControl(this, QStringLiteral("Frame20"));
    closeOnEscape(this, [this] { abandon(); });
    build();
    hide();
}

void EditorPanel::build()
{
    constexpr int labelLeft = 180;
    constexpr int fieldLeft = 2280;
    constexpr int rowHeight = 405;
    constexpr int firstRow = 1380;
    constexpr int contentRight = panelWidth - labelLeft;
    constexpr int wideField = contentRight - fieldLeft;

    // The reminder: download the results, then save them, before sending.
    // The buttons are shown as large as they are, so that their captions
    // can be read.
    const std::array<int, 2> pictureLefts{labelLeft, labelLeft + 4980};
    for (int i = 0; i < 2; ++i) {
        auto *picture =
            makeControl<QLabel>(this, QStringLiteral("Image12"), i, QRect(pictureLefts[i], 390, 915, 915));
        if (i < m_illustratedButtons.size())
            picture->resize(compactMode::designGeometry(*m_illustratedButtons[i]).size());
        markAsPicture(picture);
        picture->setAlignment(Qt::AlignCenter);
        m_buttonPictures.append(picture);
    }
    makeControl<QLabel>(this, QStringLiteral("LabEditeur"), 8, QRect(labelLeft + 1095, 690, 3780, 300));
    makeControl<QLabel>(this, QStringLiteral("LabEditeur"), 9, QRect(pictureLefts[1] + 975, 690, 2985, 300));

    auto field = [&](const QString &name, int index, int row, int width) {
        auto *edit =
            makeControl<QLineEdit>(this, name, index, QRect(fieldLeft, firstRow + row * rowHeight, width, 345));
        return edit;
    };
    // The field labels, as the panel's title, are the catalogue's.
    for (int row = 0; row < 8; ++row)
        makeControl<QLabel>(this, QStringLiteral("LabEditeur"), row,
                            QRect(labelLeft, firstRow + row * rowHeight + 30, 2040, 300));
    for (int i = 0; i < 4; ++i)
        m_versionFields.append(field(QStringLiteral("Text2"), i, i, 2400));
    m_versionFields[0]->setEchoMode(QLineEdit::Password);
    m_versionFields[2]->setReadOnly(true);
    // The two fields that may be warned about show it as they are typed in.
    for (QLineEdit *warned : {m_versionFields[1], m_versionFields[3]})
        connect(warned, &QLineEdit::textChanged, this, [warned] { showWarning(warned); });
    m_linkFields.append(field(QStringLiteral("Text4"), 0, 4, 2400));
    m_linkFields.append(
        makeControl<QLineEdit>(this, QStringLiteral("Text4"), 1,
                               QRect(fieldLeft + 2460, firstRow + 4 * rowHeight, wideField - 2460, 345)));
    for (int i = 0; i < 3; ++i)
        m_messageFields.append(field(QStringLiteral("Text3"), i, 5 + i, wideField));

    constexpr int buttonsTop = firstRow + 8 * rowHeight + 180;
    // Worded by the catalogue's lines, as the labels.
    auto button = [this](const QString &name, const QRect &twips, void (EditorPanel::*act)()) {
        auto *b = makeControl<QPushButton>(this, name, -1, twips);
        connect(b, &QPushButton::clicked, this, act);
    };
    button(QStringLiteral("Command18"), QRect(labelLeft, buttonsTop, 3000, 405), &EditorPanel::save);
    button(QStringLiteral("Command19"), QRect(labelLeft + 3120, buttonsTop, 1500, 405), &EditorPanel::abandon);
    button(QStringLiteral("Command20"), QRect(labelLeft + 4740, buttonsTop, 2400, 405),
           &EditorPanel::reloadBanner);
    button(QStringLiteral("Command16"), QRect(labelLeft, buttonsTop + 480, contentRight - labelLeft, 405),
           &EditorPanel::exportScores);
    button(QStringLiteral("Command17"), QRect(labelLeft, buttonsTop + 960, contentRight - labelLeft, 405),
           &EditorPanel::editManually);

    m_banner = makeControl<ClickableLabel>(this, QStringLiteral("Image13"), -1,
                                           QRect(labelLeft, buttonsTop + 1500, contentRight - labelLeft, 930));
    markAsPicture(m_banner);
    compactMode::keepProportions(*m_banner);
    m_banner->setAlignment(Qt::AlignCenter);
    connect(m_banner, &ClickableLabel::clicked, this, &EditorPanel::reloadBanner);

    setGeometry(twipsRect(45, 1020, panelWidth, buttonsTop + 2610));
}

QString EditorPanel::message(Message entry) const
{
    return m_tournament.messages().text(entry);
}

QString EditorPanel::pseudo() const
{
    return m_versionFields[1]->text();
}

QString EditorPanel::password() const
{
    return m_versionFields[0]->text();
}

void EditorPanel::open(const QString &password)
{
    const bool updated = m_services.resultsUpdated && m_services.resultsUpdated();
    if (!updated &&
        !m_prompts.question(window(), QStringLiteral("Hello"), message(Message::editorWithoutUpdate), false))
        return;
    reloadBanner();

    for (int i = 0; i < std::min(m_buttonPictures.size(), m_illustratedButtons.size()); ++i)
        m_buttonPictures[i]->setPixmap(m_illustratedButtons[i]->grab());

    // One reading of the file for every field.
    const IniDocument chart = loadIniDocument(OwnChart::current()).value_or(IniDocument());
    const auto read = [&chart](const QString &section, int key) {
        return chart.value(section, QString::number(key)).value_or(notSet);
    };
    m_versionFields[0]->setText(password);
    m_versionFields[1]->setText(m_settings.pseudo());
    m_versionFields[2]->setText(ProgramVersion::text());
    m_versionFields[3]->setText(read(QStringLiteral("CV"), 0));
    for (int i = 0; i < 2; ++i)
        m_linkFields[i]->setText(read(QStringLiteral("Lien"), i));
    for (int i = 0; i < 3; ++i)
        m_messageFields[i]->setText(read(QStringLiteral("Mess"), i));

    show();
    raise();
    emit opened();
}

QLabel *EditorPanel::bannerPicture() const
{
    return m_banner;
}

bool EditorPanel::writePublishingSections(const QString &stem)
{
    std::optional<IniDocument> chart = loadIniDocument(stem);
    if (chart) {
        for (int i = 0; i < 2; ++i)
            chart->setValue(QStringLiteral("Lien"), QString::number(i), m_linkFields[i]->text());
        for (int i = 0; i < 3; ++i)
            chart->setValue(QStringLiteral("Mess"), QString::number(i), m_messageFields[i]->text());
        chart->setValue(QStringLiteral("CV"), QStringLiteral("0"), m_versionFields[3]->text());
    }
    if (chart && saveIniDocument(stem, *chart))
        return true;
    m_prompts.notice(window(), QStringLiteral("Vylora 2010"),
                     message(Message::editorSaveFailed).arg(chartPath(stem)));
    return false;
}

void EditorPanel::save()
{
    if (!writePublishingSections(OwnChart::current()))
        return;
    emit confirmed(message(Message::changesSaved).arg(QFileInfo(iniFilePath(OwnChart::current())).fileName()));
    // A published version that is not this program's is worth a second
    // look before it reaches every user.
    setWarning(m_versionFields[3], m_versionFields[2]->text() != m_versionFields[3]->text());
}

void EditorPanel::setWarning(QLineEdit *field, bool warning)
{
    field->setProperty(warningKey, warning);
    showWarning(field);
}

void EditorPanel::exportScores()
{
    QLineEdit *pseudo = m_versionFields[1];
    if (pseudo->text().isEmpty()) {
        m_prompts.notice(window(), QStringLiteral("Vylora 2010"), message(Message::pseudoMissing));
        setWarning(pseudo, true);
        return;
    }
    setWarning(pseudo, false);
    QGuiApplication::clipboard()->setText(chartPath(OwnChart::current()));
    const QUrl base = m_services.serverBase ? m_services.serverBase() : QUrl();
    QDesktopServices::openUrl(exportAddress(base, m_versionFields[0]->text(), pseudo->text()));
}

void EditorPanel::editManually()
{
    // A chart not written yet gets its publishing sections first, so that
    // the editor opens a file rather than an error.
    const QString stem = m_tournament.chartName();
    if (!QFileInfo::exists(iniFilePath(stem)) && !writePublishingSections(stem))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(iniFilePath(stem)).absoluteFilePath()));
}

void EditorPanel::abandon()
{
    hide();
    m_settings.setPseudo(m_versionFields[1]->text());
    m_settings.setPassword(m_versionFields[0]->text());
    // Shown at once, as at a start with a publisher's name stored.
    if (m_services.showBanner)
        m_services.showBanner();
}

void EditorPanel::reloadBanner()
{
    if (m_services.reloadBanner)
        m_services.reloadBanner();
}
