#pragma once

#include <functional>

#include <QHash>
#include <QObject>
#include <QUrl>

class ControlRegistry;
class Tournament;
class QWidget;

// The labels and pictures that open a web page in the user's browser: the
// author's home and contact pages, the partner's site, the forum page, and
// the news link whose address the loaded chart carries. Controls are found
// by name, so a panel built later is wired by calling wire() again.
class Links final : public QObject
{
    Q_OBJECT
public:
    Links(ControlRegistry &controls, Tournament &t, QObject *parent = nullptr);

    // Wires every link control that exists and is not wired yet.
    void wire();

    // The news link's page: an http or https address from the chart, or
    // nothing. Whatever else a downloaded chart holds there (a file, a
    // program) is not opened.
    QUrl newsAddress() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ControlRegistry &m_controls;
    Tournament &m_tournament;
    QHash<QObject *, std::function<QUrl()>> m_targets;
};
