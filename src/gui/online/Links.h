#pragma once

#include <array>
#include <functional>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUrl>

class ControlRegistry;
class Tournament;
class QWidget;

// The labels and pictures that open a web page in the user's browser: the
// author's home and contact pages, the partner's site, the forum page, and
// the news link whose address the loaded chart carries. Controls are found
// by their names within the panel each lies in, which the panels' rooms
// lend; a panel built later is wired by calling wire() again.
class Links final : public QObject
{
    Q_OBJECT
public:
    enum class Within { Window, HelpPanel, KnockoutPage };

    // Wires the links of the window and of its knock-out page.
    Links(ControlRegistry &controls, Tournament &t, QWidget &window, QWidget *knockoutPage,
          QObject *parent = nullptr);

    // The help panel, once it exists; wires its links.
    void setHelpPanel(QWidget *panel);

    // Wires every link control that exists and is not wired yet.
    void wire();

    // The news link's page: an http or https address from the chart, or
    // nothing. Whatever else a downloaded chart holds there (a file, a
    // program) is not opened.
    QUrl newsAddress() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool lies(const QWidget *control, Within within) const;

    ControlRegistry &m_controls;
    Tournament &m_tournament;
    QWidget &m_window;
    std::array<QPointer<QWidget>, 3> m_panels; // by Within; the window's entry stays empty
    QHash<QObject *, std::function<QUrl()>> m_targets;
};
