#pragma once

#include <QList>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "print/Paper.h"
#include "tournament/Message.h"
#include "tournament/TeamList.h"

class Prompts;
class QComboBox;
class QFrame;
class SheetView;
class Tournament;
struct Sheet;

// "Impression": the chart drawn as one printable sheet. A redraw reads the
// main window's chart once (the team list by place, then the knock-out
// cells) into a sheet that the picture box keeps; saving, printing and the
// PDF all draw that same sheet, so what the user sees is what is written.
// Changes made in the chart meanwhile show at the next redraw. The window
// does not block the main window and is deleted when closed. It is a window
// of its own, not a child of the main window, so that its controls never
// answer to the names of the main window's controls. A language switch
// words its buttons again and redraws the sheet in the new language.
class PrintWindow final : public QWidget
{
    Q_OBJECT
public:
    PrintWindow(const Tournament &t, Prompts &prompts, QWidget *mainWindow);

    // Command2: the clean template, then ChargeInfo, then DrawChart.
    void redraw();
    // Command3: the sheet into "vyl.bmp" in the program folder, then opened
    // in the user's picture viewer. A file that could not be written is
    // said and never opened: an older one would mislead.
    void saveAndOpen();
    // Command4: the sheet as a PDF or PNG wherever the user chooses, for
    // the paper chosen.
    void saveAs();
    // Command5: the sheet on the default printer, on the paper chosen, the
    // buttons hidden meanwhile.
    void print();
    // Command1: closes this window and brings the main window back.
    void back();

    const Sheet &sheet() const;
    Paper paper() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildButtons();
    void showTexts();
    // The 2010 sheet fills the window as it always did; another format's
    // larger sheet takes the window's width and the buttons stand beside it.
    void fitToSheet();
    void notWritten(const QString &path);
    void written(const QString &path);

    const Tournament &m_tournament;
    Prompts &m_prompts;
    QUrl m_site;
    QPointer<QWidget> m_mainWindow;
    TeamList m_teams;
    SheetView *m_view;
    QWidget *m_link;
    QFrame *m_buttons = nullptr;
    QComboBox *m_paper = nullptr;
    QList<std::pair<QWidget *, Message>> m_toolTips;
};
